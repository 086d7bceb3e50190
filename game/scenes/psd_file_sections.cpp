#include "game/scenes/psd_file_sections.h"

#include "game/scenes/psd_byte_reader.h"
#include "game/scenes/psd_log.h"
#include "game/scenes/psd_resource_names.h"

namespace {

constexpr char kFileSignature[] = "8BPS";
constexpr char kResourceSignature[] = "8BIM";
constexpr int kReservedBytes = 6;
constexpr uint16_t kSupportedChannels = 3;

void LogHeader(const PsdHeader& header) {
    if (!PsdTraceOn()) return;
    PsdTrace("PDS file Header values");
    PsdTrace("======================");
    PsdTracef("Width=%d", static_cast<int>(header.width));
    PsdTracef("Height=%d", static_cast<int>(header.height));
    PsdTracef("Channels=%d", header.channels);
    PsdTracef("Depth=%d", header.depth);
    PsdTracef("Mode=%d", header.mode);
    PsdTrace("======================");
}

// One resource block; false at a block without its signature, where the section stops.
bool ReadResourceBlock(PsdByteReader& section) {
    if (section.Text(4) != kResourceSignature) {
        PsdTrace("Error - Image resource section not starting with 8BIM identifier");
        return false;
    }
    const int id = section.U16();
    const LDvString name = section.PascalString();
    if ((1 + name.size()) % 2 != 0) section.Skip(1);
    const uint32_t dataSize = section.U32();
    section.Skip(static_cast<uint64_t>(dataSize) + (dataSize & 1));
    if (PsdTraceOn()) {
        PsdTracef("Resource ID : %d", id);
        PsdTrace(PsdResourceTypeLine(id));
        PsdTrace(name.empty() ? LDvString("Resource Name : None provided") : "Resource Name : " + name);
        PsdTracef("Data Size : %u", dataSize);
    }
    return true;
}

}  // namespace

bool ReadPsdHeader(PsdByteReader& in, PsdHeader& header) {
    if (in.Text(4) != kFileSignature) {
        PsdTrace("Error: Malformed PSD file header. Aborting PSD load");
        return false;
    }
    header.version = in.U16();
    in.Skip(kReservedBytes);
    header.channels = in.U16();
    header.height = in.U32();
    header.width = in.U32();
    header.depth = in.U16();
    header.mode = in.U16();
    LogHeader(header);
    if (header.channels != kSupportedChannels) PsdTrace("Error : This routine only opens 3 channel images (RGB)(A)");
    return true;
}

void ReadPsdColourModeData(PsdByteReader& in) {
    const uint32_t length = in.U32();
    if (length == 0) return;
    PsdTrace("Error : Indexed color mode section not zero.");
    in.Skip(length);  // a palette means nothing to the layers; go on after it
}

void ReadPsdImageResources(PsdByteReader& in) {
    const uint32_t sectionLength = in.U32();
    PsdTrace("== start image resources section ==");
    PsdTracef("total resource section size = %u", sectionLength);
    // The blocks are read inside the section, and whatever they claim, reading goes on after it.
    PsdByteReader section = in.Take(sectionLength);
    uint32_t blocks = 0;
    while (!section.AtEnd() && ReadResourceBlock(section) && !section.Overrun()) ++blocks;
    PsdTracef("Number of resource sections read = %u", blocks);
    PsdTrace("== end image resources section ==");
}
