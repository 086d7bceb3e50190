// The real program on a player's first start: it creates a profile and opens the camp, where the
// captain greets the new player; a second start continues with the remembered profile.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "engine/image_codec.h"
#include "engine/k_files.h"
#include "tests/support/temp_dir.h"

namespace {

const std::string kProgram = QV_BINARY_DIR "/quorvane";
const std::string kSave = "Drovana Games/Quorvane/Ver0.2/";

int RunGame(const TempDir& home, const std::string& arguments) {
    const std::string command = "cd '" + home.path() + "' && SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy '" + kProgram +
                                "' --data '" QV_DATA_DIR "' --save '" + home.path() + "' --windowed --manual-clock " +
                                "--no-exit-wait " + arguments + " > output.txt 2>&1";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// The sum of red, green and blue of a pixel of a captured frame.
int Brightness(const DecodedImage& image, int x, int y) {
    const uint32_t pixel = image.pixels[static_cast<size_t>(y) * image.width + x];
    return static_cast<int>((pixel & 0xFF) + ((pixel >> 8) & 0xFF) + ((pixel >> 16) & 0xFF));
}

}  // namespace

TEST(PlayStart, TheFirstStartMakesAPlayerAndOpensTheCamp) {
    ASSERT_TRUE(fileExists(kProgram)) << "build the quorvane target first";
    TempDir home;
    ASSERT_EQ(RunGame(home, "--frames 260 --capture shots --capture-frames 2,250"), 0) << home.read("output.txt");
    const std::string profile = home.read(kSave + "player00.ini");
    EXPECT_NE(profile.find("Player"), std::string::npos) << profile;
    EXPECT_NE(home.read(kSave + "settings.ini").find("SELECTED_PLAYER_PROFILE=0"), std::string::npos);
    const std::string log = home.read(kSave + "log.txt");
    EXPECT_EQ(log.find("Media Missing"), std::string::npos) << log;

    EXPECT_NE(profile.find("SAW_FIRST_ANNOUNCEMENT=1"), std::string::npos) << "the captain's log was shown";

    DecodedImage first, greeted;
    ASSERT_TRUE(decodeImageFile(home.file("shots/frame_2.png"), first));
    ASSERT_TRUE(decodeImageFile(home.file("shots/frame_250.png"), greeted));
    // The camp comes out of black; the captain's dialog dims it but leaves it to be seen.
    EXPECT_LT(Brightness(first, 100, 450), 40);
    EXPECT_GT(Brightness(greeted, 100, 450), 60) << "the camp beside the dialog";
    EXPECT_GT(Brightness(greeted, 800, 400), 200) << "the dialog's page";

    // A second start keeps the player and does not make another.
    ASSERT_EQ(RunGame(home, "--frames 5"), 0) << home.read("output.txt");
    EXPECT_FALSE(fileExists(home.file(kSave + "player01.ini")));
}
