// Sound groups and named lists against the real mixer, paused so that the test advances playback
// itself; the loudness of what a list plays is read from the mixed frames.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "engine/k_sound.h"
#include "framework/ui/ldv_named_sounds.h"
#include "framework/ui/ldv_wave_group.h"
#include "tests/engine/sound_fixtures.h"
#include "tests/support/picture_fixtures.h"
#include "tests/support/temp_dir.h"

using namespace sound_fixtures;

namespace {

constexpr int kToneFrames = 4000;

// The loudest sample value of the next frames the mixer produces.
float MixedPeak(int frames = 1000) {
    std::vector<float> out(static_cast<size_t>(frames) * 2, 0.0f);
    mixSoundsForTesting(out.data(), frames);
    float peak = 0.0f;
    for (float v : out) peak = std::max(peak, std::fabs(v));
    return peak;
}

class SoundGroups : public testing::Test {
protected:
    void SetUp() override {
        setManualSoundMixingForTesting(true);
        ASSERT_TRUE(KSound::deviceAvailable()) << "the tests run with SDL_AUDIODRIVER=dummy";
        MixedPeak();  // nothing left over from an earlier test
    }
    void TearDown() override { KSound::resumeAllSounds(); }

    void writeTone(const std::string& relativePath) {
        world.writeFile(relativePath, asText(toneOgg(kToneFrames, 2, 44100, relativePath)));
    }
    std::string dataPath(const std::string& relativePath) const { return world.root() + "/" + relativePath; }

    // Peak of the named sound played alone at the list's current volume.
    float PlayedPeak(const char* name, LDvNamedSounds& list) {
        PlayNamedSound(name, list);
        const float peak = MixedPeak();
        StopNamedSound(name, list);
        return peak;
    }

    PictureWorld world;
};

}  // namespace

TEST_F(SoundGroups, NamedSoundsAnswerToTheirFileNameWithoutExtensionExactly) {
    writeTone("sounds/movie/boom.ogg");
    writeTone("sounds/movie/splash.wave.ogg");
    LDvNamedSounds list;
    LoadSoundFolder("sounds/movie", list, false);
    ASSERT_EQ(list.sounds.Count(), 2);

    struct NameCase { const char* name; bool found; };
    constexpr NameCase kNames[] = {
        {"boom", true}, {"splash.wave", true}, {"boom.ogg", false}, {"Boom", false}, {"boo", false}, {"", false},
    };
    for (const NameCase& c : kNames) {
        SCOPED_TRACE(c.name);
        const std::string found = std::string("playing sound : '") + c.name + "'";
        const std::string missing = std::string("sound : '") + c.name + "' not found.";
        const int foundBefore = world.countInLog(found), missingBefore = world.countInLog(missing);
        const float peak = PlayedPeak(c.name, list);
        EXPECT_EQ(world.countInLog(found) - foundBefore, c.found ? 1 : 0);
        EXPECT_EQ(world.countInLog(missing) - missingBefore, c.found ? 0 : 2);  // play and stop
        if (c.found) EXPECT_GT(peak, 0.1f);
        else EXPECT_EQ(peak, 0.0f);
    }
    EXPECT_EQ(world.countInLog("stopping sound : 'boom'"), 1);
}

TEST_F(SoundGroups, AStreamedListLoopsItsAmbienceUntilStopped) {
    writeTone("sounds/env_named/rain.ogg");
    LDvNamedSounds list;
    LoadSoundFolder("sounds/env_named", list, true);
    ASSERT_EQ(list.sounds.Count(), 1);
    PlayNamedSound("rain", list);
    EXPECT_GT(MixedPeak(kToneFrames * 3), 0.1f);
    EXPECT_GT(MixedPeak(), 0.1f) << "still playing after three times its length";
    StopList(list);
    EXPECT_EQ(MixedPeak(), 0.0f);
}

TEST_F(SoundGroups, AMissingFileStaysInTheListSilentAndIsLogged) {
    LDvNamedSounds list;
    const std::string path = dataPath("sounds/movie/gone.ogg");
    LoadNamedSound(path, list, false);
    ASSERT_EQ(list.sounds.Count(), 1);
    EXPECT_EQ(world.countInLog("Failed to load sound :" + path + "\n"), 1);
    EXPECT_EQ(PlayedPeak("gone", list), 0.0f);
}

// The list plays at 150 as at 99 and 100; the volume table goes no higher.
TEST_F(SoundGroups, ListVolumeAbove99PlaysAs99AndBelow0AsSilence) {
    writeTone("sounds/movie/boom.ogg");
    LDvNamedSounds list;
    LoadSoundFolder("sounds/movie", list, false);
    SetListVolume(list, 99);
    const float full = PlayedPeak("boom", list);
    ASSERT_GT(full, 0.1f);
    struct VolumeCase { int percent; float gain; };
    const VolumeCase kVolumes[] = {{150, 1.0f}, {100, 1.0f}, {50, volumeTableGain(50)}, {0, 0.0f}, {-5, 0.0f}};
    for (const VolumeCase& c : kVolumes) {
        SCOPED_TRACE(c.percent);
        SetListVolume(list, c.percent);
        EXPECT_EQ(list.sounds.Head()->getVolume(), c.percent);
        EXPECT_NEAR(PlayedPeak("boom", list), full * c.gain, 1e-5f);
    }
}

TEST_F(SoundGroups, VolumeChangesWaitWhileSoundsAreSuspended) {
    writeTone("sounds/movie/boom.ogg");
    LDvNamedSounds list;
    LoadSoundFolder("sounds/movie", list, false);
    SetListVolume(list, 80);
    KSound::suspendAllSounds();
    SetListVolume(list, 10);
    EXPECT_EQ(list.sounds.Head()->getVolume(), 80);
    KSound::resumeAllSounds();
    SetListVolume(list, 10);
    EXPECT_EQ(list.sounds.Head()->getVolume(), 10);
}

// Out over 50 steps, with a fade-in of 4 steps set at the same time: the fade-in waits.
TEST_F(SoundGroups, FadeOutReachesSilenceOnItsLastStepThenTheFadeInRuns) {
    writeTone("sounds/movie/boom.ogg");
    LDvNamedSounds list;
    LoadSoundFolder("sounds/movie", list, false);
    list.fadeOutTotal = list.fadeOutRemaining = 50;
    list.fadeInTotal = list.fadeInRemaining = 4;
    std::vector<int> volumes;
    for (int step = 0; step < 56; ++step) {
        FadeStep(list);
        volumes.push_back(list.sounds.Head()->getVolume());
    }
    EXPECT_EQ(volumes[0], 98);
    EXPECT_EQ(volumes[48], 2);
    EXPECT_EQ(volumes[49], 0) << "silent on the fade-out's last step";
    EXPECT_EQ(std::vector<int>(volumes.begin() + 50, volumes.end()), (std::vector<int>{25, 50, 75, 100, 100, 100}));
    EXPECT_EQ(list.volume, 100) << "the list's own volume is what a reset goes back to";
    EXPECT_GT(PlayedPeak("boom", list), 0.1f);
}

TEST_F(SoundGroups, AFadeOfNoLengthEndsAtOnceInsteadOfDividingByZero) {
    writeTone("sounds/movie/boom.ogg");
    LDvNamedSounds list;
    LoadSoundFolder("sounds/movie", list, false);
    list.fadeOutRemaining = 1;  // total left at 0
    FadeStep(list);
    EXPECT_EQ(list.sounds.Head()->getVolume(), 0);
    list.fadeInRemaining = 1;
    FadeStep(list);
    EXPECT_EQ(list.sounds.Head()->getVolume(), 100);
}

TEST_F(SoundGroups, GroupSoundsTakeTheGroupVolumeAndFollowItsChanges) {
    writeTone("sounds/sfx/click.ogg");
    writeTone("sounds/music/title.ogg");
    LDvSoundGroup effects;
    LDvMusicGroup music;
    EXPECT_FALSE(effects.IsMusic());
    EXPECT_TRUE(music.IsMusic());
    effects.volume = 40;
    LDvSound* click = AddSound(effects, dataPath("sounds\\sfx\\click.ogg"), false);
    LDvSound* title = AddSound(music, dataPath("sounds/music/title.ogg"), true);
    EXPECT_TRUE(click->enabled && click->isLoaded() && !click->isStream());
    EXPECT_TRUE(title->isStream());
    EXPECT_EQ(click->getVolume(), 40);
    EXPECT_EQ(effects.sounds.Count(), 1);

    PlaySample(click);
    const float quiet = MixedPeak();
    click->stopSample();
    effects.volume = 99;
    ApplyGroupVolume(effects);
    EXPECT_EQ(click->getVolume(), 99);
    PlaySample(click);
    EXPECT_NEAR(quiet, MixedPeak() * volumeTableGain(40), 1e-5f);
    click->stopSample();

    LDvSound* missing = AddSound(effects, dataPath("sounds/sfx/gone.ogg"), false);
    EXPECT_FALSE(missing->isLoaded());
    EXPECT_EQ(effects.sounds.Count(), 2) << "kept, silent";
    EXPECT_EQ(world.countInLog("Failed to load sound :" + dataPath("sounds/sfx/gone.ogg")), 1);
}

TEST_F(SoundGroups, WithoutADeviceSoundsExistDisabledAndPlayingLogsInstead) {
    writeTone("sounds/sfx/click.ogg");
    writeTone("sounds/movie/boom.ogg");
    closeSoundDeviceForTesting();
    {
        ScopedEnv noDriver("SDL_AUDIODRIVER", "no-such-driver");
        LDvSoundGroup effects;
        LDvSound* click = AddSound(effects, dataPath("sounds/sfx/click.ogg"), false);
        EXPECT_FALSE(click->enabled);
        EXPECT_FALSE(click->isLoaded());
        EXPECT_TRUE(effects.sounds.IsEmpty());
        PlaySample(click);
        Play(click, true);
        EXPECT_EQ(world.countInLog("sound not enabled\n"), 2);

        LDvNamedSounds list;
        LoadSoundFolder("sounds/movie", list, false);
        ASSERT_EQ(list.sounds.Count(), 1);
        EXPECT_FALSE(list.sounds.Head()->enabled);
        PlayNamedSound("boom", list);
        EXPECT_NE(world.log().find("playing sound : 'boom'\nsound not enabled\n"), std::string::npos) << world.log();
        closeSoundDeviceForTesting();
    }
    EXPECT_TRUE(KSound::deviceAvailable());
    setManualSoundMixingForTesting(true);
}
