#pragma once
// Photoshop documents built byte by byte, for the layouts the forge's writer never makes: odd
// counts, odd padding, bad signatures, channels of any method and length.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

using PsdBytes = std::vector<uint8_t>;

struct PsdChannelBytes {
    int16_t id = 0;
    PsdBytes bytes;                       // the stored channel: 2-byte method, then its data
    std::optional<uint32_t> storedLength; // the length the record states; default: bytes.size()
};

struct PsdRecordBytes {
    int32_t top = 0, left = 0, bottom = 0, right = 0;
    std::vector<PsdChannelBytes> channels;
    std::string blendSignature = "8BIM";
    std::string name;              // used when `extra` is not given
    std::optional<PsdBytes> extra; // the whole extra data, when given
};

struct PsdDocumentBytes {
    std::string signature = "8BPS";
    uint16_t channels = 3;
    uint32_t width = 8;
    uint32_t height = 8;
    PsdBytes colourModeData;
    PsdBytes resources;               // the blocks of the image resource section
    std::vector<PsdRecordBytes> records;
    std::optional<int16_t> layerCount; // default: the number of records

    PsdBytes Build() const;
};

void AppendU16(PsdBytes& out, uint16_t value);
void AppendU32(PsdBytes& out, uint32_t value);
void AppendText(PsdBytes& out, const std::string& text);

PsdBytes RawChannel(const PsdBytes& samples);
// PackBits rows as given (each already encoded), with their byte counts in front.
PsdBytes PackBitsChannel(const std::vector<PsdBytes>& rows);
// A channel of another method whose data is `length` zero bytes.
PsdBytes OtherMethodChannel(uint16_t method, size_t length);
// Mask and blending-range lengths of 0, the name with its padding, then the blocks.
PsdBytes ExtraData(const std::string& name, const PsdBytes& blocks = {});
PsdBytes InfoBlock(const std::string& signature, const std::string& key, const PsdBytes& data);
// An "lsct" block of length 4 (type only) or 12 (type, blend signature and key).
PsdBytes SectionDivider(uint32_t type, uint32_t length = 4);
// An image resource block with an empty name.
PsdBytes ResourceBlock(const std::string& signature, uint16_t id, const PsdBytes& data);
// A document of a 1 x 1 background and `layer` above it.
PsdDocumentBytes OverBackground(PsdRecordBytes layer);
// A w x h layer at (left, top) with one raw channel per id, every sample `value`.
PsdRecordBytes SolidRecord(const std::string& name, int32_t left, int32_t top, int32_t width, int32_t height,
                           const std::vector<int16_t>& ids, uint8_t value);
