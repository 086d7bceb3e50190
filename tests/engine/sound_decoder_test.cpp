#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "engine/ogg_decoder.h"
#include "engine/sound_resampler.h"
#include "tests/engine/sound_fixtures.h"

using namespace sound_fixtures;

namespace {

// Ogg page layout: "OggS", version, flags, granule position (8 bytes at 6), serial, sequence,
// checksum (4 bytes at 22), segment count (at 26), segment table, body.
size_t pageLength(const std::vector<uint8_t>& bytes, size_t start) {
    const size_t segments = bytes[start + 26];
    size_t length = 27 + segments;
    for (size_t i = 0; i < segments; ++i) length += bytes[start + 27 + i];
    return length;
}

uint32_t oggChecksum(const uint8_t* data, size_t size) {
    uint32_t crc = 0;
    for (size_t i = 0; i < size; ++i) {
        crc ^= static_cast<uint32_t>(data[i]) << 24;
        for (int bit = 0; bit < 8; ++bit) crc = (crc & 0x80000000u) ? (crc << 1) ^ 0x04c11db7u : crc << 1;
    }
    return crc;
}

// Makes the last page claim `granule` frames, with a valid checksum, as a hostile file would.
std::vector<uint8_t> withLastGranule(std::vector<uint8_t> bytes, uint64_t granule) {
    size_t last = 0;
    for (size_t at = 0; at < bytes.size(); at += pageLength(bytes, at)) last = at;
    for (int i = 0; i < 8; ++i) bytes[last + 6 + i] = static_cast<uint8_t>(granule >> (8 * i));
    for (int i = 0; i < 4; ++i) bytes[last + 22 + i] = 0;
    const uint32_t crc = oggChecksum(bytes.data() + last, pageLength(bytes, last));
    for (int i = 0; i < 4; ++i) bytes[last + 22 + i] = static_cast<uint8_t>(crc >> (8 * i));
    return bytes;
}

double rmsError(const std::vector<float>& a, const std::vector<float>& b) {
    double sum = 0;
    for (size_t i = 0; i < a.size() && i < b.size(); ++i) sum += (a[i] - b[i]) * (a[i] - b[i]);
    return std::sqrt(sum / static_cast<double>(std::max<size_t>(a.size(), 1)));
}

}  // namespace

struct FormatCase { int channels; int rate; int frames; };
constexpr FormatCase kFormats[] = {
    {1, 44100, 4410}, {2, 44100, 4410}, {1, 22050, 2205}, {2, 48000, 4800},
};

TEST(OggDecoder, DecodesEveryFrameOfMonoAndStereoAtTheirRate) {
    for (const FormatCase& c : kFormats) {
        SCOPED_TRACE(testing::Message() << c.channels << " channels at " << c.rate);
        const std::vector<uint8_t> bytes = toneOgg(c.frames, c.channels, c.rate);
        DecodedSound decoded;
        ASSERT_TRUE(decodeOggVorbis(bytes.data(), bytes.size(), decoded));
        EXPECT_EQ(decoded.channels, c.channels);
        EXPECT_EQ(decoded.sampleRate, c.rate);
        EXPECT_EQ(decoded.samples.size(), static_cast<size_t>(c.frames * c.channels));
        EXPECT_LT(rmsError(decoded.samples, tone(c.frames, c.channels, c.rate)), 0.02);
    }
}

struct DamageCase {
    const char* name;
    std::function<std::vector<uint8_t>(const std::vector<uint8_t>&)> damage;
};

const DamageCase kDamaged[] = {
    {"empty", [](const auto&) { return std::vector<uint8_t>(); }},
    {"garbage", [](const auto&) { return std::vector<uint8_t>(5000, 0x5a); }},
    {"only the first page", [](const auto& b) { return std::vector<uint8_t>(b.begin(), b.begin() + 58); }},
    {"cut in half", [](const auto& b) { return std::vector<uint8_t>(b.begin(), b.begin() + b.size() / 2); }},
    {"last byte missing", [](const auto& b) { return std::vector<uint8_t>(b.begin(), b.end() - 1); }},
    {"a damaged page", [](auto b) { b[b.size() * 3 / 4] ^= 0x40; return b; }},
    {"junk after the end", [](auto b) { b.insert(b.end(), {'j', 'u', 'n', 'k'}); return b; }},
    {"claims no sound", [](const auto& b) { return withLastGranule(b, 0); }},
    {"two files chained", [](auto b) {
         const std::vector<uint8_t> second = toneOgg(2000, 1, 44100, "second");
         b.insert(b.end(), second.begin(), second.end());
         return b;
     }},
};

TEST(OggDecoder, RefusesDamagedFilesAndLeavesTheResultEmpty) {
    const std::vector<uint8_t> good = toneOgg(20000, 2, 44100);
    for (const DamageCase& c : kDamaged) {
        SCOPED_TRACE(c.name);
        const std::vector<uint8_t> bytes = c.damage(good);
        DecodedSound decoded;
        decoded.samples.assign(10, 1.0f);
        EXPECT_FALSE(decodeOggVorbis(bytes.data(), bytes.size(), decoded));
        EXPECT_TRUE(decoded.samples.empty());
        EXPECT_EQ(decoded.channels, 0);
        OggStreamReader reader;
        EXPECT_FALSE(reader.open(bytes)) << "a stream must be refused as well";
    }
}

// The length a file claims is never trusted for memory: a last page claiming a year of sound
// still decodes to what the pages hold.
TEST(OggDecoder, AClaimOfAYearDecodesOnlyWhatTheDataHolds) {
    const std::vector<uint8_t> bytes = withLastGranule(toneOgg(20000, 2, 44100), uint64_t{1} << 40);
    constexpr size_t kAtMost = 20000 + 4096;  // the frames encoded, and at most one block more
    DecodedSound decoded;
    ASSERT_TRUE(decodeOggVorbis(bytes.data(), bytes.size(), decoded)) << "its pages are intact";
    EXPECT_LE(decoded.samples.size(), 2 * kAtMost);
    EXPECT_LE(decoded.samples.capacity(), 2 * 2 * kAtMost);
    OggStreamReader reader;
    ASSERT_TRUE(reader.open(bytes));
    EXPECT_LE(static_cast<size_t>(reader.totalFrames()), kAtMost);
}

TEST(OggDecoder, RefusesSoundLongerThanTheCap) {
    const std::vector<uint8_t> bytes = toneOgg(3 * 8000, 1, 8000);
    DecodedSound decoded;
    EXPECT_FALSE(decodeOggVorbis(bytes.data(), bytes.size(), decoded, 2));
    EXPECT_TRUE(decodeOggVorbis(bytes.data(), bytes.size(), decoded, 3));
}

TEST(OggStreamReader, ReadsInAnyChunkSizeWhatWholeDecodingGivesAndRewinds) {
    const std::vector<uint8_t> bytes = toneOgg(12345, 2, 44100);
    DecodedSound whole;
    ASSERT_TRUE(decodeOggVorbis(bytes.data(), bytes.size(), whole));

    OggStreamReader reader;
    ASSERT_TRUE(reader.open(std::vector<uint8_t>(bytes)));
    EXPECT_EQ(reader.totalFrames(), 12345);
    for (int pass = 0; pass < 2; ++pass) {
        SCOPED_TRACE(pass == 0 ? "first read" : "after rewind");
        std::vector<float> streamed;
        std::vector<float> chunk(777 * 2);
        for (int got; (got = reader.read(chunk.data(), 777)) > 0;) {
            streamed.insert(streamed.end(), chunk.begin(), chunk.begin() + got * 2);
        }
        EXPECT_EQ(streamed, whole.samples);
        ASSERT_TRUE(reader.rewind());
    }
}

struct ResampleCase { int channels; int rate; };
constexpr ResampleCase kResamples[] = {{1, 22050}, {2, 22050}, {2, 48000}, {1, 44100}, {2, 32000}};

// Linear interpolation of a ramp is exact, so the converted ramp must be the ramp at the new
// rate; and cutting the input into chunks anywhere must give exactly the same frames.
TEST(LinearResampler, ConvertsARampExactlyWhateverTheChunking) {
    constexpr int kFrames = 3000;
    for (const ResampleCase& c : kResamples) {
        SCOPED_TRACE(testing::Message() << c.channels << " channels at " << c.rate);
        std::vector<float> ramp;
        for (int i = 0; i < kFrames; ++i) {
            for (int ch = 0; ch < c.channels; ++ch) ramp.push_back(static_cast<float>(i) / kFrames * (ch ? -1 : 1));
        }
        std::vector<float> reference;
        for (size_t chunkFrames : {size_t{kFrames}, size_t{1}, size_t{7}, size_t{1000}}) {
            LinearResampler resampler;
            resampler.reset(c.channels, c.rate);
            std::vector<float> out;
            for (size_t at = 0; at < kFrames; at += chunkFrames) {
                const size_t count = std::min(chunkFrames, kFrames - at);
                std::vector<float> part(resampler.maxOutputFrames(count) * 2);
                const size_t written = resampler.process(ramp.data() + at * c.channels, count, part.data());
                ASSERT_LE(written * 2, part.size());
                out.insert(out.end(), part.begin(), part.begin() + static_cast<long>(written * 2));
            }
            if (chunkFrames == kFrames) {
                reference = out;
                const double step = static_cast<double>(c.rate) / kMixerRate;
                EXPECT_NEAR(static_cast<double>(out.size() / 2), kFrames / step, 2.0);
                for (size_t j = 0; j < out.size() / 2; ++j) {
                    const float expected = static_cast<float>(j * step / kFrames);
                    ASSERT_NEAR(out[2 * j], expected, 1e-5) << "frame " << j;
                    ASSERT_NEAR(out[2 * j + 1], c.channels == 2 ? -expected : expected, 1e-5) << "frame " << j;
                }
            } else {
                SCOPED_TRACE(testing::Message() << "chunks of " << chunkFrames);
                ASSERT_EQ(out.size(), reference.size());
                for (size_t i = 0; i < out.size(); ++i) ASSERT_NEAR(out[i], reference[i], 1e-6) << "value " << i;
            }
        }
    }
}
