// The Photoshop reader on damaged and hostile documents: cut short anywhere, lengths past the
// end, bad signatures, records it cannot take, sizes that would claim huge memory. It must keep
// what it can read, leave out the rest with a log line, and never read or write out of bounds.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/core/frame_context.h"
#include "game/scenes/ldv_psd_reader.h"
#include "tests/game/psd_document_bytes.h"
#include "tests/game/psd_test_pictures.h"
#include "tests/support/picture_fixtures.h"
#include "tools/forge/scenes/psd_writer.h"

namespace {

class PsdMalformedTest : public ::testing::Test {
protected:
    // A copy of exactly `size` bytes, so reading one byte too far is caught by the sanitizer.
    bool Read(const std::vector<uint8_t>& bytes, size_t size) {
        const std::vector<uint8_t> copy(bytes.begin(), bytes.begin() + static_cast<long>(size));
        return reader.LoadFromMemory(copy.data(), copy.size(), "broken.psd");
    }
    bool Read(const std::vector<uint8_t>& bytes) { return Read(bytes, bytes.size()); }

    void ExpectEveryLayerConsistent() {
        for (int i = 0; i < reader.LayerCount(); ++i) ExpectConsistent(*reader.LayerAt(i));
    }
    // Pixel and mask bytes of every layer held.
    size_t HeldBytes() const {
        size_t bytes = 0;
        for (int i = 0; i < reader.LayerCount(); ++i) {
            bytes += reader.LayerAt(i)->pixels.size() * 4 + reader.LayerAt(i)->hitMask.size();
        }
        return bytes;
    }

    PictureWorld world;
    LDvPSDReader reader;
};

TEST_F(PsdMalformedTest, ADocumentCutShortAnywhereKeepsWhatWasReadWhole) {
    for (const PsdCompression compression : {PsdCompression::kRaw, PsdCompression::kPackBits}) {
        PsdDocument document;
        document.width = 12;
        document.height = 8;
        document.compression = compression;
        document.addLayer({"Background", 0, 0, PatternPicture(12, 8, 1, false), false});
        document.addGroup({"g", {{"IMG", 2, 1, PatternPicture(5, 4, 2, true), true}, {"HIT", 3, 3, PatternPicture(3, 3, 3, true), true}}});
        const std::vector<uint8_t> bytes = encodePsd(document);
        ASSERT_TRUE(Read(bytes));
        ASSERT_EQ(reader.LayerCount(), 5);
        for (size_t size = 0; size < bytes.size(); ++size) {
            SCOPED_TRACE("cut at " + std::to_string(size));
            Read(bytes, size);
            ExpectEveryLayerConsistent();
            EXPECT_TRUE(reader.LayerCount() == 0 || reader.LayerCount() == 5);
        }
    }
}

// Two layers, "Background" and "after", with a case's change; "after" is solid 60 in R, G, B
// and A, so a reader that lost its place shows in its pixels.
PsdDocumentBytes TwoLayers() {
    PsdDocumentBytes document;
    document.resources = ResourceBlock("8BIM", 1005, PsdBytes(16, 0));
    document.records.push_back(SolidRecord("Background", 0, 0, 4, 4, {0, 1, 2}, 40));
    document.records.push_back(SolidRecord("after", 1, 1, 2, 2, {-1, 0, 1, 2}, 60));
    return document;
}

void InsertBeforeAfter(PsdDocumentBytes& document, PsdRecordBytes record) {
    document.records.insert(document.records.begin() + 1, std::move(record));
}

struct HostileCase {
    const char* name;
    std::function<void(PsdDocumentBytes&)> change;
    int layers;           // layers kept; when 2 or more the last is "after", intact
    const char* logLine;  // logged once
};

const HostileCase kHostile[] = {
    {"file signature", [](PsdDocumentBytes& d) { d.signature = "8BPX"; }, 0,
     "Error: Malformed PSD file header. Aborting PSD load"},
    {"four channels in the header", [](PsdDocumentBytes& d) { d.channels = 4; }, 2,
     "Error : This routine only opens 3 channel images (RGB)(A)"},
    {"colour mode data", [](PsdDocumentBytes& d) { d.colourModeData = PsdBytes(768, 7); }, 2,
     "Error : Indexed color mode section not zero."},
    {"a resource block without its signature",
     [](PsdDocumentBytes& d) {
         const PsdBytes bad = ResourceBlock("8BIX", 1006, PsdBytes(6, 1));
         d.resources.insert(d.resources.end(), bad.begin(), bad.end());
     },
     2, "Error - Image resource section not starting with 8BIM identifier"},
    {"a resource longer than its section",
     [](PsdDocumentBytes& d) {
         d.resources.clear();
         AppendText(d.resources, "8BIM");
         AppendU16(d.resources, 1005);
         AppendU16(d.resources, 0);
         AppendU32(d.resources, 0x7FFFFFF0u);
         AppendU32(d.resources, 0);
     },
     2, "Number of resource sections read = 0"},
    {"a blend signature", [](PsdDocumentBytes& d) { d.records[0].blendSignature = "8BIX"; }, 0,
     "Error - Blending signature in layer not 8BIM identifier"},
    {"an additional block without its signature",
     [](PsdDocumentBytes& d) {
         PsdBytes blocks = {'J', 'U', 'N', 'K'};
         const PsdBytes divider = SectionDivider(1);
         blocks.insert(blocks.end(), divider.begin(), divider.end());
         d.records[1].extra = ExtraData("after", blocks);
     },
     2, "Error : Additional layer information section didn't start with 8BIM or 8B64 signature"},
    {"six channels",
     [](PsdDocumentBytes& d) { InsertBeforeAfter(d, SolidRecord("six", 0, 0, 2, 2, {-1, 0, 1, 2, -2, -3}, 9)); }, 2,
     "Error : Layer six has 6 channels, at most 5 are read; layer skipped"},
    {"2049 x 2048 pixels",
     [](PsdDocumentBytes& d) {
         PsdRecordBytes big = SolidRecord("big", 0, 0, 0, 0, {0, 1, 2}, 0);
         big.right = 2049;
         big.bottom = 2048;
         InsertBeforeAfter(d, big);
     },
     2, "Error : Layer big is larger than 2048 x 2048 pixels; layer skipped"},
    {"one side past the limit",
     [](PsdDocumentBytes& d) {
         PsdRecordBytes flat = SolidRecord("flat", 0, 0, 0, 0, {0}, 0);
         flat.left = -2147483647 - 1;
         flat.right = 2147483647;
         InsertBeforeAfter(d, flat);
     },
     2, "Error : Layer flat is larger than 2048 x 2048 pixels; layer skipped"},
    {"a rectangle without the data to fill it",
     [](PsdDocumentBytes& d) {
         PsdRecordBytes empty = SolidRecord("empty", 0, 0, 0, 0, {-1, 0, 1, 2}, 0);
         empty.right = 2048;
         empty.bottom = 2048;
         InsertBeforeAfter(d, empty);
     },
     3, "Error : Channel data of layer empty cannot fill its 2048 x 2048 pixels; layer left empty"},
    {"a channel length past the end", [](PsdDocumentBytes& d) { d.records[1].channels.back().storedLength = 0xFFFFFFFFu; },
     2, nullptr},
    {"a layer count past the bytes", [](PsdDocumentBytes& d) { d.layerCount = 32767; }, 0,
     "Error : 32767 layer records cannot fit in"},
};

TEST_F(PsdMalformedTest, HostileDocumentsKeepOnlyWhatCanBeRead) {
    Frame().logLevel = 2;
    for (const HostileCase& c : kHostile) {
        SCOPED_TRACE(c.name);
        PsdDocumentBytes document = TwoLayers();
        c.change(document);
        const std::string line = c.logLine != nullptr ? c.logLine : "";
        const int before = line.empty() ? 0 : world.countInLog(line);
        Read(document.Build());
        ExpectEveryLayerConsistent();
        EXPECT_EQ(reader.LayerCount(), c.layers);
        if (!line.empty()) {
            EXPECT_EQ(world.countInLog(line), before + 1);
        }
        if (c.layers < 2) continue;
        const LDvPSDLayer& after = *reader.LayerAt(c.layers - 1);
        EXPECT_EQ(after.name, "after");
        ASSERT_EQ(after.maskWidth * after.maskHeight, 4);
        // With the last channel's length past the end, its samples are still there to read.
        for (int i = 0; i < 4; ++i) EXPECT_EQ(PixelAt(after, i % 2, i / 2), (std::array<uint8_t, 4>{60, 60, 60, 60}));
    }
}

TEST_F(PsdMalformedTest, AnInvertedRectangleGivesTheSameSize) {
    PsdDocumentBytes document = TwoLayers();
    std::swap(document.records[1].left, document.records[1].right);
    std::swap(document.records[1].top, document.records[1].bottom);
    Read(document.Build());
    ASSERT_EQ(reader.LayerCount(), 2);
    EXPECT_EQ(reader.LayerAt(1)->maskWidth, 2);
    EXPECT_EQ(reader.LayerAt(1)->maskHeight, 2);
    EXPECT_EQ(PixelAt(*reader.LayerAt(1), 1, 1)[0], 60);
}

// A few kilobytes must not make the reader hold more than a bounded multiple of their size:
// pixels are only made where the file holds channel data that could fill them.
TEST_F(PsdMalformedTest, SmallFilesNeverClaimHugeMemory) {
    struct MemoryCase {
        const char* name;
        std::function<PsdDocumentBytes()> make;
    };
    const MemoryCase kCases[] = {
        {"a hundred 2048 x 2048 layers with empty channels",
         [] {
             PsdDocumentBytes d;
             for (int i = 0; i < 100; ++i) {
                 PsdRecordBytes r = SolidRecord("", 0, 0, 0, 0, {-1, 0, 1, 2}, 0);
                 r.right = r.bottom = 2048;
                 d.records.push_back(r);
             }
             return d;
         }},
        {"flat layers a row each",
         [] {
             PsdDocumentBytes d;
             for (int i = 0; i < 100; ++i) {
                 PsdRecordBytes r;
                 r.right = 4194304;
                 r.bottom = 1;
                 r.channels.push_back({0, PackBitsChannel({{}}), {}});
                 d.records.push_back(r);
             }
             return d;
         }},
        {"a count far beyond the records",
         [] {
             PsdDocumentBytes d = TwoLayers();
             d.layerCount = -32768;
             return d;
         }},
        {"the longest PackBits runs",
         [] {
             PsdDocumentBytes d;
             // Every row is sixteen runs of 128 samples, two bytes each.
             PsdBytes row;
             for (int run = 0; run < 16; ++run) row.insert(row.end(), {0x81, 99});
             PsdRecordBytes r = SolidRecord("runs", 0, 0, 2048, 64, {}, 0);
             r.channels.push_back({0, PackBitsChannel(std::vector<PsdBytes>(64, row)), {}});
             d.records.push_back(r);
             return d;
         }},
    };
    constexpr size_t kMostBytesPerFileByte = 300;  // PackBits at its best fills 64 samples a byte
    for (const MemoryCase& c : kCases) {
        SCOPED_TRACE(c.name);
        const PsdBytes bytes = c.make().Build();
        Read(bytes);
        ExpectEveryLayerConsistent();
        EXPECT_LE(HeldBytes(), kMostBytesPerFileByte * bytes.size()) << bytes.size() << " bytes of file";
        EXPECT_LE(static_cast<size_t>(reader.LayerCount()), bytes.size() / 34);
    }
}

}  // namespace
