// Any bytes through the picture decoders: they must fail cleanly, never read outside the input,
// and hand back either a whole picture or an empty one.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "engine/image_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    DecodedImage image;
    const bool decoded = decodeImage(data, size, image);
    const size_t expected = static_cast<size_t>(image.width) * static_cast<size_t>(image.height);
    if (decoded ? (expected == 0 || image.pixels.size() != expected) : !image.pixels.empty()) std::abort();
    return 0;
}
