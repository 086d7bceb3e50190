#include "framework/ui/picture_batch.h"

#include "engine/k_graphic.h"
#include "engine/parallel_jobs.h"
#include "framework/core/game_log.h"
#include "framework/ui/ldv_overlay.h"

namespace {

PictureBatch* openBatch = nullptr;

// What LoadImage and LoadFrames give an overlay once its picture's size is known.
void TakeFrameSize(LDvOverlay& overlay) {
    const unsigned width = static_cast<unsigned>(overlay.GetWidth());
    const unsigned height = static_cast<unsigned>(overlay.GetHeight());
    if (overlay.hasFrames && overlay.columns > 0 && overlay.rows > 0) {
        overlay.frameWidth = static_cast<int>(width / static_cast<unsigned>(overlay.columns));
        overlay.frameHeight = static_cast<int>(height / static_cast<unsigned>(overlay.rows));
    } else {
        overlay.frameWidth = static_cast<int>(width);
        overlay.frameHeight = static_cast<int>(height);
    }
}

}  // namespace

PictureBatch::PictureBatch(std::function<void()> decoded) : onDecoded(std::move(decoded)) {
    if (openBatch == nullptr) openBatch = this;
}

PictureBatch::~PictureBatch() { Finish(); }

PictureBatch* PictureBatch::Open() { return openBatch; }

void PictureBatch::Add(LDvOverlay& overlay, const LDvString& source) {
    if (finished || overlay.Picture() == nullptr) return;
    entries.push_back({&overlay, overlay.Picture(), source});
}

void PictureBatch::Finish() {
    if (finished) return;
    finished = true;
    if (openBatch == this) openBatch = nullptr;
    runJobs(
        entries.size(),
        [this](size_t i) { entries[i].decoded = entries[i].picture->loadPicture(entries[i].source.c_str()); },
        onDecoded);
    for (Entry& entry : entries) {
        if (!entry.decoded) Log("cannot decode picture - " + entry.source);
        TakeFrameSize(*entry.overlay);
    }
}
