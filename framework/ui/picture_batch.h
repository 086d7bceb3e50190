#pragma once
// Pictures loaded together. While a batch is open, LoadImage and LoadFrames do everything they do
// except decoding the files: the batch decodes them all on worker threads when it finishes (at
// Finish or at the end of its scope), then completes each overlay on this thread in the order it was
// loaded: its frame size from the decoded picture, or the log line of a file that did not decode.
// Overlays loaded in a batch must be neither measured nor destroyed before it finishes.
// One batch at a time, on the main thread; it borrows the overlays it completes.
#include <functional>
#include <vector>

#include "framework/core/ldv_string.h"

class KGraphic;
class LDvOverlay;

class PictureBatch {
public:
    // `decoded` runs on this thread after each picture is decoded (a loading bar's tick).
    explicit PictureBatch(std::function<void()> decoded = {});
    ~PictureBatch();
    PictureBatch(const PictureBatch&) = delete;
    PictureBatch& operator=(const PictureBatch&) = delete;

    void Finish();

    // The batch LoadImage hands its decoding to; null when none is open.
    static PictureBatch* Open();
    void Add(LDvOverlay& overlay, const LDvString& source);

private:
    struct Entry {
        LDvOverlay* overlay;
        KGraphic* picture;
        LDvString source;
        bool decoded = false;
    };

    std::function<void()> onDecoded;
    std::vector<Entry> entries;
    bool finished = false;
};
