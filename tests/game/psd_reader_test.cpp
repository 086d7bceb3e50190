// The Photoshop reader on documents written by the forge's writer and, for layouts the writer
// never makes, built byte by byte: layers, groups, pixels, hit masks and the trace it logs.
#include "game/scenes/ldv_psd_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/k_graphic.h"
#include "framework/core/frame_context.h"
#include "framework/ui/overlay_images.h"
#include "game/scenes/psd_resource_names.h"
#include "tests/game/psd_document_bytes.h"
#include "tests/game/psd_test_pictures.h"
#include "tests/support/picture_fixtures.h"
#include "tools/forge/scenes/psd_writer.h"

namespace {

class PsdReaderTest : public ::testing::Test {
protected:
    bool Read(const std::vector<uint8_t>& bytes) { return reader.LoadFromMemory(bytes.data(), bytes.size(), "test.psd"); }
    bool Read(const PsdDocument& document) { return Read(encodePsd(document)); }

    std::vector<LDvString> GroupNames() const {
        LDvList<LDvString> names;
        reader.GetGroupNames(names);
        return std::vector<LDvString>(names.begin(), names.end());
    }

    PictureWorld world;
    LDvPSDReader reader;
};

PsdLayer Layer(const std::string& name, int left, int top, RgbaImage image, bool transparency = true) {
    return PsdLayer{name, left, top, std::move(image), transparency};
}

// Background, an "IMG" outside every group, "door" (IMG, HIT and a layer without transparency)
// and a closed "chest" (IMG). In file order: 0 background, 1 IMG, 2 end, 3 IMG, 4 HIT, 5 shadow,
// 6 door, 7 end, 8 IMG, 9 chest.
PsdDocument SceneDocument(PsdCompression compression) {
    PsdDocument document;
    document.width = 40;
    document.height = 30;
    document.compression = compression;
    document.addLayer(Layer("Background", 0, 0, PatternPicture(40, 30, 1, false), false));
    document.addLayer(Layer("IMG", 30, 20, PatternPicture(6, 5, 2, true)));
    document.addGroup({"door",
                       {Layer("IMG", 3, 2, PatternPicture(8, 6, 3, true)), Layer("HIT", 4, 3, PatternPicture(5, 4, 4, true)),
                        Layer("shadow", 1, 1, PatternPicture(7, 3, 5, true), false)},
                       false});
    document.addGroup({"chest", {Layer("IMG", 20, 10, PatternPicture(10, 7, 6, true))}, true});
    return document;
}

struct CompressionCase {
    const char* name;
    PsdCompression compression;
};
constexpr CompressionCase kCompressions[] = {{"raw", PsdCompression::kRaw}, {"PackBits", PsdCompression::kPackBits}};

TEST_F(PsdReaderTest, ReadsTheWritersLayersGroupsAndPixels) {
    for (const CompressionCase& c : kCompressions) {
        SCOPED_TRACE(c.name);
        const PsdDocument document = SceneDocument(c.compression);
        ASSERT_TRUE(Read(document));
        ASSERT_EQ(reader.LayerCount(), 10);
        const PsdGroup& door = std::get<PsdGroup>(document.stack[2]);
        const PsdGroup& chest = std::get<PsdGroup>(document.stack[3]);

        const LDvPSDLayer* background = reader.LayerAt(0);
        EXPECT_EQ(background->name, "Background");
        ExpectLayerHolds(*background, std::get<PsdLayer>(document.stack[0]).image, false);
        EXPECT_EQ(reader.FindLayer("", "IMG"), reader.LayerAt(1));
        EXPECT_EQ(reader.FindLayer("door", "IMG"), reader.LayerAt(3));
        EXPECT_EQ(reader.FindLayer("door", "HIT"), reader.LayerAt(4));
        EXPECT_EQ(reader.FindLayer("chest", "IMG"), reader.LayerAt(8));
        ExpectLayerHolds(*reader.LayerAt(1), std::get<PsdLayer>(document.stack[1]).image, true);
        ExpectLayerHolds(*reader.LayerAt(3), door.layers[0].image, true);
        ExpectLayerHolds(*reader.LayerAt(4), door.layers[1].image, true);
        ExpectLayerHolds(*reader.LayerAt(8), chest.layers[0].image, true);
        // Stored without transparency: every pixel stays opaque although the picture is not.
        ExpectLayerHolds(*reader.LayerAt(5), door.layers[2].image, false);

        const LDvPSDLayer* doorImage = reader.LayerAt(3);
        EXPECT_EQ(doorImage->left, 3);
        EXPECT_EQ(doorImage->top, 2);
        EXPECT_EQ(doorImage->right, 11);
        EXPECT_EQ(doorImage->bottom, 8);
        EXPECT_EQ(doorImage->channelCount, 4);
        EXPECT_EQ(doorImage->blendKey, "norm");
        EXPECT_TRUE(reader.LayerAt(6)->isGroupStart);
        EXPECT_TRUE(reader.LayerAt(9)->isGroupStart);
        EXPECT_TRUE(reader.LayerAt(2)->isGroupEnd);
        EXPECT_EQ(GroupNames(), (std::vector<LDvString>{"door", "chest"}));
    }
}

// A caller that uses only some parts gets exactly those, decoded as a full read decodes them:
// the background's pixels, the HIT layer's mask, both for the rest but "shadow", which gets neither.
TEST_F(PsdReaderTest, MakesOnlyThePartsTheCallerChooses) {
    const PsdLayerChoice choice = [](const LDvPSDLayer& layer, int index) {
        if (index == 0) return PsdLayerNeeds{true, false};
        if (layer.name == "HIT") return PsdLayerNeeds{false, true};
        if (layer.name == "shadow") return PsdLayerNeeds{false, false};
        return PsdLayerNeeds{};
    };
    for (const CompressionCase& c : kCompressions) {
        SCOPED_TRACE(c.name);
        const PsdDocument document = SceneDocument(c.compression);
        const std::vector<uint8_t> bytes = encodePsd(document);
        ASSERT_TRUE(reader.LoadFromMemory(bytes.data(), bytes.size(), "test.psd", choice));
        ASSERT_EQ(reader.LayerCount(), 10);
        const PsdGroup& door = std::get<PsdGroup>(document.stack[2]);

        const LDvPSDLayer& background = *reader.LayerAt(0);
        EXPECT_EQ(background.pixels.size(), 40u * 30u);
        EXPECT_TRUE(background.hitMask.empty());
        EXPECT_FALSE(background.IsHit(0, 0));

        const LDvPSDLayer& hit = *reader.LayerAt(4);
        EXPECT_TRUE(hit.pixels.empty());
        ASSERT_EQ(hit.maskWidth, 5);
        ASSERT_EQ(hit.maskHeight, 4);
        LDvPSDReader whole;
        ASSERT_TRUE(whole.LoadFromMemory(bytes.data(), bytes.size(), "test.psd"));
        EXPECT_EQ(hit.hitMask, whole.LayerAt(4)->hitMask);

        const LDvPSDLayer& shadow = *reader.LayerAt(5);
        EXPECT_TRUE(shadow.pixels.empty());
        EXPECT_TRUE(shadow.hitMask.empty());
        EXPECT_EQ(shadow.maskWidth, 0);
        EXPECT_EQ(shadow.right - shadow.left, 7) << "its rectangle is still read";

        ExpectLayerHolds(*reader.LayerAt(3), door.layers[0].image, true);
    }
}

TEST_F(PsdReaderTest, FindsOnlyExactNamesInTheirOwnGroupAndNeverTheBackground) {
    ASSERT_TRUE(Read(SceneDocument(PsdCompression::kPackBits)));
    EXPECT_EQ(reader.FindLayer("Door", "IMG"), nullptr);
    EXPECT_EQ(reader.FindLayer("door", "img"), nullptr);
    EXPECT_EQ(reader.FindLayer("door", "nothing"), nullptr);
    EXPECT_EQ(reader.FindLayer("chest", "HIT"), nullptr);
    EXPECT_EQ(reader.FindLayer("", "Background"), nullptr);
    EXPECT_EQ(reader.LayerAt(10), nullptr);
    EXPECT_EQ(reader.LayerAt(-1), nullptr);
}

// The scene makes its pictures this way, so the layer's pixel order must be the pictures' own.
TEST_F(PsdReaderTest, ALayersPixelsBecomeAPictureAsTheyAre) {
    ASSERT_TRUE(Read(SceneDocument(PsdCompression::kPackBits)));
    const LDvPSDLayer& layer = *reader.FindLayer("door", "IMG");
    LDvOverlay overlay;
    LoadFromPixels(&overlay, layer.pixels.data(), layer.maskWidth, layer.maskHeight);
    EXPECT_EQ(overlay.GetWidth(), 8);
    EXPECT_EQ(overlay.GetHeight(), 6);
    ASSERT_NE(overlay.Picture(), nullptr);
    EXPECT_EQ(overlay.Picture()->pixels(), layer.pixels);
}

TEST_F(PsdReaderTest, ABackgroundAloneHasNoGroupsAndNothingToFind) {
    PsdDocument document;
    document.width = 12;
    document.height = 9;
    document.addLayer(Layer("IMG", 0, 0, PatternPicture(12, 9, 7, false), false));
    ASSERT_TRUE(Read(document));
    EXPECT_EQ(reader.LayerCount(), 1);
    EXPECT_EQ(reader.FindLayer("", "IMG"), nullptr);
    EXPECT_TRUE(GroupNames().empty());
}

TEST_F(PsdReaderTest, TheTopMostOfTwoSameNamedLayersInAGroupIsFound) {
    PsdDocument document;
    document.width = 10;
    document.height = 10;
    document.addLayer(Layer("Background", 0, 0, PatternPicture(10, 10, 1, false)));
    document.addGroup({"g", {Layer("IMG", 1, 1, PatternPicture(3, 3, 2, true)), Layer("IMG", 4, 4, PatternPicture(2, 2, 3, true))}});
    document.addGroup({"g", {Layer("IMG", 0, 0, PatternPicture(1, 1, 4, true))}});
    ASSERT_TRUE(Read(document));
    // Both groups are named "g"; the upper group's layer lies highest.
    EXPECT_EQ(reader.FindLayer("g", "IMG"), reader.LayerAt(6));
    EXPECT_EQ(GroupNames(), (std::vector<LDvString>{"g", "g"}));

    document.stack.pop_back();
    ASSERT_TRUE(Read(document));
    EXPECT_EQ(reader.FindLayer("g", "IMG")->left, 4);
}

// Six pixels in a row, each sample pattern once; a pixel is hit when any sample exceeds 20.
TEST_F(PsdReaderTest, APixelIsHitWhenAnySampleIsAbove20) {
    struct Sample {
        uint8_t r, g, b, a;
        bool hit;
    };
    constexpr Sample kSamples[] = {
        {20, 20, 20, 20, false}, {0, 0, 0, 0, false}, {21, 0, 0, 0, true},
        {0, 21, 0, 0, true},     {0, 0, 21, 0, true}, {20, 20, 20, 21, true},
    };
    RgbaImage picture(6, 1);
    for (int x = 0; x < 6; ++x) {
        const Sample& s = kSamples[x];
        std::copy_n(std::array<uint8_t, 4>{s.r, s.g, s.b, s.a}.data(), 4, picture.at(x, 0));
    }
    for (const CompressionCase& c : kCompressions) {
        SCOPED_TRACE(c.name);
        PsdDocument document;
        document.width = 6;
        document.height = 1;
        document.compression = c.compression;
        document.addLayer(Layer("Background", 0, 0, picture));
        document.addLayer(Layer("row", 0, 0, picture));
        ASSERT_TRUE(Read(document));
        for (int x = 0; x < 6; ++x) EXPECT_EQ(reader.LayerAt(1)->IsHit(x, 0), kSamples[x].hit) << "pixel " << x;
    }
}

// A 4 x 2 layer whose red channel's first row is the case and whose second row is always the
// literal 5 6 7 8, so a row that read too far would spoil it.
TEST_F(PsdReaderTest, PackBitsRowsStayInsideTheirWidthAndTheirByteCount) {
    struct RowCase {
        const char* name;
        PsdBytes row;
        std::array<uint8_t, 4> red;
    };
    const RowCase kRows[] = {
        {"-128 consumes one byte and writes nothing", {0x80, 0x03, 1, 2, 3, 4}, {1, 2, 3, 4}},
        {"a repeat writes 1 - n times", {0xFD, 7}, {7, 7, 7, 7}},
        {"a repeat past the width is cut", {0xF9, 9}, {9, 9, 9, 9}},
        {"a literal past the width is cut", {0x05, 1, 2, 3, 4, 5, 6}, {1, 2, 3, 4}},
        {"a literal past the row's bytes stops there", {0x07, 1, 2}, {1, 2, 0, 0}},
        {"a repeat without its value", {0x01, 4, 5, 0xFE}, {4, 5, 0, 0}},
        {"an empty row", {}, {0, 0, 0, 0}},
    };
    for (const RowCase& c : kRows) {
        SCOPED_TRACE(c.name);
        PsdRecordBytes layer = SolidRecord("rle", 0, 0, 4, 2, {}, 0);
        layer.channels.push_back({kPsdChannelRed, PackBitsChannel({c.row, {0x03, 5, 6, 7, 8}}), {}});
        ASSERT_TRUE(Read(OverBackground(layer).Build()));
        const LDvPSDLayer& read = *reader.LayerAt(1);
        for (int x = 0; x < 4; ++x) {
            EXPECT_EQ(PixelAt(read, x, 0)[0], c.red[x]) << "column " << x;
            EXPECT_EQ(PixelAt(read, x, 1)[0], 5 + x) << "column " << x;
            EXPECT_EQ(PixelAt(read, x, 0)[3], 255);
        }
    }
}

// A 4 x 2 layer: the case's channel first, then green, every green sample 50, which only comes
// out right when the first channel was passed over by its stored length.
TEST_F(PsdReaderTest, EachChannelIsReadWithinItsStoredLength) {
    struct ChannelCase {
        const char* name;
        PsdChannelBytes first;
        std::array<uint8_t, 8> red;
    };
    const ChannelCase kChannels[] = {
        {"raw with half its samples", {0, RawChannel({9, 9, 9, 9}), {}}, {9, 9, 9, 9, 0, 0, 0, 0}},
        {"raw with bytes to spare", {0, RawChannel({1, 2, 3, 4, 5, 6, 7, 8, 77, 77, 77}), {}}, {1, 2, 3, 4, 5, 6, 7, 8}},
        {"ZIP, left at the start values", {0, OtherMethodChannel(2, 10), {}}, {}},
        {"ZIP with prediction", {0, OtherMethodChannel(3, 3), {}}, {}},
        {"a user mask", {-2, RawChannel({90, 90, 90, 90, 90, 90, 90, 90, 90}), {}}, {}},
        {"a length without room for the method", {0, {}, {}}, {}},
        {"PackBits rows cut at the channel's end", {0, [] {
             PsdBytes bytes = PackBitsChannel({{0xFD, 3}, {0xFD, 4}});
             bytes.pop_back();  // the second row's value lies in the next channel
             return bytes;
         }(), {}}, {3, 3, 3, 3, 0, 0, 0, 0}},
    };
    for (const ChannelCase& c : kChannels) {
        SCOPED_TRACE(c.name);
        PsdRecordBytes layer = SolidRecord("layer", 2, 1, 4, 2, {}, 0);
        layer.channels.push_back(c.first);
        layer.channels.push_back({kPsdChannelGreen, RawChannel(PsdBytes(8, 50)), {}});
        ASSERT_TRUE(Read(OverBackground(layer).Build()));
        const LDvPSDLayer& read = *reader.LayerAt(1);
        ASSERT_EQ(read.pixels.size(), 8u);
        for (int i = 0; i < 8; ++i) {
            const std::array<uint8_t, 4> pixel = PixelAt(read, i % 4, i / 4);
            EXPECT_EQ(pixel[0], c.red[i]) << "pixel " << i;
            EXPECT_EQ(pixel[1], 50) << "pixel " << i;
            EXPECT_EQ(pixel[2], 0);
            EXPECT_EQ(pixel[3], 255);
        }
    }
}

// The name's padding is right when the "lsct" block after it is found.
TEST_F(PsdReaderTest, NamesArePaddedToWholeWords) {
    for (const char* name : {"", "abc", "abcd", "abcde", "abcdefg"}) {
        SCOPED_TRACE(std::string("name \"") + name + "\"");
        PsdRecordBytes group;
        group.extra = ExtraData(name, SectionDivider(1));
        ASSERT_TRUE(Read(OverBackground(group).Build()));
        EXPECT_EQ(reader.LayerAt(1)->name, name);
        EXPECT_TRUE(reader.LayerAt(1)->isGroupStart);
    }
}

TEST_F(PsdReaderTest, SectionDividersOfLength4And12LeaveTheNextBlockInPlace) {
    Frame().logLevel = 2;
    struct DividerCase {
        uint32_t type;
        uint32_t length;
        bool start, end;
    };
    constexpr DividerCase kDividers[] = {
        {0, 4, true, false}, {0, 12, true, false}, {3, 4, true, true}, {3, 12, true, true}, {7, 12, true, false},
    };
    for (const DividerCase& c : kDividers) {
        SCOPED_TRACE("type " + std::to_string(c.type) + ", length " + std::to_string(c.length));
        PsdRecordBytes layer;
        PsdBytes blocks = SectionDivider(c.type, c.length);
        const PsdBytes closed = SectionDivider(2, 4);
        blocks.insert(blocks.end(), closed.begin(), closed.end());
        layer.extra = ExtraData("g", blocks);
        ASSERT_TRUE(Read(OverBackground(layer).Build()));
        EXPECT_EQ(reader.LayerAt(1)->isGroupStart, c.start);
        EXPECT_EQ(reader.LayerAt(1)->isGroupEnd, c.end);
    }
    EXPECT_EQ(world.countInLog("didn't start with 8BIM or 8B64"), 0);
    EXPECT_EQ(world.countInLog("lsct --> closed folder"), 5);
    EXPECT_EQ(world.countInLog("lsct --> ??"), 2);
    EXPECT_EQ(world.countInLog("lsct --> section divider"), 2);
}

TEST_F(PsdReaderTest, ANegativeLayerCountReadsThatManyRecords) {
    PsdDocumentBytes document;
    for (int i = 0; i < 5; ++i) document.records.push_back(SolidRecord("L" + std::to_string(i), i, 0, 2, 2, {0, 1, 2}, 30));
    document.layerCount = -5;
    ASSERT_TRUE(Read(document.Build()));
    ASSERT_EQ(reader.LayerCount(), 5);
    EXPECT_EQ(reader.LayerAt(4)->name, "L4");
    EXPECT_EQ(PixelAt(*reader.LayerAt(4), 1, 1), (std::array<uint8_t, 4>{30, 30, 30, 255}));
}

TEST_F(PsdReaderTest, TracesWhatItReadsAtTheDetailedLevel) {
    Frame().logLevel = 2;
    ASSERT_TRUE(Read(SceneDocument(PsdCompression::kPackBits)));
    const char* const kLines[] = {
        "=*=*=*=*=*=*=*=*=*=*=*=*=*=*=*=*\nStarted Reading Photoshop File : test.psd\n",
        "PDS file Header values\n======================\nWidth=40\nHeight=30\nChannels=3\nDepth=8\nMode=3\n"
        "======================\n",
        "== start image resources section ==\ntotal resource section size = 28\n",
        "Resource ID : 1005\nResource Type ::ResolutionInfo structure\nResource Name : None provided\nData Size : 16\n",
        "Number of resource sections read = 1\n== end image resources section ==\n",
        "\nNumber of layers = 10\n",
        "= Layer =========\nAdditional layer key :luni\nName = Background\nBlend Mode :norm\nchannels : 3\n"
        "Rect : (0,0)-(40,30)\n=================\n",
        "Additional layer key :lsct\nlsct --> open folder\nName = door\n",
        "Additional layer key :lsct\nlsct --> closed folder\nName = chest\n",
        "Additional layer key :lsct\nlsct --> section divider\nName = </Layer group>\n",
        "Rect : (3,2)-(11,8)\n",
        "-- START layer channel data for layer IMG --\n"
        "Compression method = 1 (0 - raw, 1-RLE, 2-ZIP, 3-ZIP+Prediction)\n",
        "-- END layer channel data --\n",
        "Finished Reading Photoshop File\n=*=*=*=*=*=*=*=*=*=*=*=*=*=*=*=*\n",
    };
    for (const char* line : kLines) EXPECT_EQ(world.countInLog(line) > 0, true) << line;
    // Four channels for each picture with transparency and each divider, three for the others.
    EXPECT_EQ(world.countInLog("Compression method = "), 4 * 4 + 4 * 4 + 2 * 3);
}

TEST_F(PsdReaderTest, LogsOnlyTheStartCountAndEndAtTheUsualLevel) {
    ASSERT_TRUE(Read(SceneDocument(PsdCompression::kPackBits)));
    EXPECT_EQ(world.countInLog("Started Reading Photoshop File : test.psd"), 1);
    EXPECT_EQ(world.countInLog("Number of layers = 10"), 1);
    EXPECT_EQ(world.countInLog("Finished Reading Photoshop File"), 1);
    EXPECT_EQ(world.countInLog("=*=*=*=*=*=*=*=*=*=*=*=*=*=*=*=*"), 2);
    EXPECT_EQ(world.countInLog("PDS file Header values"), 0);
    EXPECT_EQ(world.countInLog("= Layer ========="), 0);
}

TEST(PsdResourceNames, NamesThePublishedIdsAndNoOthers) {
    const std::pair<int, const char*> kExact[] = {
        {1005, "Resource Type ::ResolutionInfo structure"},
        {1036, "Resource Type :(Photoshop 5.0) Thumbnail resource (supersedes resource 1033)"},
        {10000, "Resource Type :Print flags information"},
        {1020, "Resource Type :(Obsolete)"},
        {1023, "Resource Type :(Obsolete)"},
        {1027, "Resource Type :(Obsolete)"},
        {2000, "Resource Type :file path information"},
        {2997, "Resource Type :file path information"},
    };
    for (const auto& [id, line] : kExact) EXPECT_EQ(PsdResourceTypeLine(id), line) << id;
    std::vector<int> named = {1000, 1001, 1003, 1080, 2999, 7000, 7001, 8000, 10000};
    for (const auto& [first, last] : {std::pair{1005, 1030}, {1032, 1047}, {1049, 1054}, {1057, 1062}, {1064, 1067},
                                      {1069, 1078}, {1082, 1085}}) {
        for (int id = first; id <= last; ++id) named.push_back(id);
    }
    for (int id : named) EXPECT_EQ(PsdResourceTypeLine(id).rfind("Resource Type :", 0), 0u) << id;
    for (int id : {0, 999, 1002, 1004, 1031, 1048, 1055, 1056, 1063, 1068, 1079, 1081, 1086, 1999, 2998, 3000, 65535}) {
        EXPECT_EQ(PsdResourceTypeLine(id), "Resource type : Unknown") << id;
    }
}

TEST_F(PsdReaderTest, LoadsFilesFromTheDataRootAndReportsMissingOnes) {
    Frame().rootDirOverride = world.root();
    world.writeFile("Scenes/cabin.psd", [] {
        const std::vector<uint8_t> bytes = encodePsd(SceneDocument(PsdCompression::kPackBits));
        return std::string(bytes.begin(), bytes.end());
    }());
    EXPECT_TRUE(reader.Load("Scenes/cabin.psd"));
    EXPECT_EQ(reader.LayerCount(), 10);
    EXPECT_EQ(world.countInLog("Started Reading Photoshop File : " + world.root() + "/Scenes/cabin.psd"), 1);
    EXPECT_TRUE(reader.Load(world.root() + "/Scenes/cabin.psd"));
    EXPECT_EQ(reader.LayerCount(), 10);

    EXPECT_FALSE(reader.Load("Scenes/missing.psd"));
    EXPECT_EQ(reader.LayerCount(), 0);
    EXPECT_EQ(world.messageBoxes, 1);
    EXPECT_TRUE(Frame().quitPending);
}

}  // namespace
