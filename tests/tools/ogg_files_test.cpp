// Every sound of the data decoded by the engine's own Ogg Vorbis decoder.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "engine/k_sound.h"
#include "tests/tools/data_folder.h"

TEST(OggFiles, EverySoundDecodesAndIsAudible) {
    int decoded = 0;
    for (const std::string& file : listFiles(QV_DATA_DIR)) {
        if (file.size() < 4 || file.compare(file.size() - 4, 4, ".ogg") != 0) continue;
        SCOPED_TRACE(file);
        DecodedSound sound;
        ASSERT_TRUE(decodeOggVorbisFile(dataPath(file), sound));
        EXPECT_TRUE(sound.channels == 1 || sound.channels == 2);
        EXPECT_EQ(sound.sampleRate, 44100);
        ASSERT_FALSE(sound.samples.empty());
        float peak = 0.0f;
        for (float s : sound.samples) peak = std::max(peak, std::fabs(s));
        EXPECT_GT(peak, 0.01f) << "silent";
        ++decoded;
    }
    EXPECT_GT(decoded, 0);
}
