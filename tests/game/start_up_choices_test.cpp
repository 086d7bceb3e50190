// The program entry's choices: window size and display scale from the desktop, full screen from
// settings.ini, and the survey address from urls.ini.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "framework/data/ldv_ini_file.h"
#include "game/app/start_up_choices.h"
#include "tests/support/temp_dir.h"

namespace {

struct DesktopCase {
    DesktopSize desktop;
    bool supported;
    int width, height;
    bool scaled;
    float scale;
};
constexpr DesktopCase kDesktops[] = {
    {{1920, 1080, 1920, 1080}, true, 1600, 900, false, 1.0f},
    {{1920, 1080, 1920, 1040}, true, 1600, 900, false, 1.0f},   // a panel leaves room for the canvas
    {{1600, 900, 1600, 900}, true, 1600, 900, false, 1.0f},
    {{1600, 900, 1600, 860}, true, 1529, 860, true, 0.955625f},  // a panel leaves less
    {{1600, 899, 1600, 899}, true, 1598, 899, true, 0.99875f},
    {{1366, 768, 1366, 768}, true, 1365, 768, true, 0.853125f},
    {{1366, 768, 1366, 740}, true, 1316, 740, true, 0.8225f},
    {{1365, 768, 1365, 768}, true, 1365, 768, true, 0.853125f},
    {{2560, 720, 2560, 720}, true, 1280, 720, true, 0.8f},
    {{1280, 720, 1280, 720}, true, 1280, 720, true, 0.8f},
    {{1280, 720, 1280, 690}, true, 1280, 720, true, 0.8f},       // never below the minimum
    {{1279, 720, 1279, 720}, false, 0, 0, false, 1.0f},
    {{1280, 719, 1280, 719}, false, 0, 0, false, 1.0f},
    {{0, 0, 0, 0}, false, 0, 0, false, 1.0f},
};

}  // namespace

TEST(StartUpChoices, WindowIsTheLargestOfTheCanvasAspectTheUsableDesktopHolds) {
    for (const DesktopCase& c : kDesktops) {
        SCOPED_TRACE(testing::Message() << c.desktop.width << " x " << c.desktop.height << ", usable "
                                        << c.desktop.usableWidth << " x " << c.desktop.usableHeight);
        const WindowChoice choice = ChooseWindowSize(c.desktop);
        EXPECT_EQ(choice.supported, c.supported);
        EXPECT_EQ(choice.width, c.width);
        EXPECT_EQ(choice.height, c.height);
        EXPECT_EQ(choice.scaled, c.scaled);
        EXPECT_FLOAT_EQ(choice.scale, c.scale);
    }
    EXPECT_STREQ(kResolutionRefusal, "This computer doesn't support minimum game resolution. 1280x720");
}

namespace {

// What settings.ini may hold, from a previous run or a damaged or edited file.
struct RememberedCase {
    const char* settings;
    int width, height;
    bool maximised;
    float scale;
};
constexpr RememberedCase kRemembered[] = {
    {"", 1600, 900, false, 1.0f},
    {"WINDOW_WIDTH=1500\nWINDOW_HEIGHT=1000\n", 1500, 1000, false, 0.9375f},  // letter-boxed: 1500 x 844
    {"WINDOW_WIDTH=1920\nWINDOW_HEIGHT=1080\nWINDOW_MAXIMISED=true\n", 1920, 1080, true, 1.2f},
    {"WINDOW_WIDTH=1280\nWINDOW_HEIGHT=720\nWINDOW_MAXIMISED=false\n", 1280, 720, false, 0.8f},
    {"WINDOW_WIDTH=1279\nWINDOW_HEIGHT=720\n", 1600, 900, false, 1.0f},     // below the minimum
    {"WINDOW_WIDTH=2560\nWINDOW_HEIGHT=1440\n", 1600, 900, false, 1.0f},    // beyond the desktop
    {"WINDOW_WIDTH=1500\n", 1600, 900, false, 1.0f},
    {"WINDOW_WIDTH=-1500\nWINDOW_HEIGHT=1000\n", 1600, 900, false, 1.0f},
    {"WINDOW_WIDTH=1500px\nWINDOW_HEIGHT=1000\n", 1600, 900, false, 1.0f},
    {"WINDOW_WIDTH=0x5DC\nWINDOW_HEIGHT=1000\n", 1600, 900, false, 1.0f},
    {"WINDOW_WIDTH=99999999999999999999\nWINDOW_HEIGHT=1000\n", 1600, 900, false, 1.0f},
    {"WINDOW_WIDTH=\nWINDOW_HEIGHT=\nWINDOW_MAXIMISED=true\n", 1600, 900, false, 1.0f},
};

}  // namespace

TEST(StartUpChoices, WindowTakesTheRememberedSizeWhenTheDesktopCanShowIt) {
    const DesktopSize desktop{1920, 1080, 1920, 1040};
    for (const RememberedCase& c : kRemembered) {
        SCOPED_TRACE(c.settings);
        LDvIniFile settings;
        settings.Parse(c.settings, std::char_traits<char>::length(c.settings));
        const WindowChoice choice = ChooseWindowSize(desktop, ReadRememberedWindow(settings));
        EXPECT_TRUE(choice.supported);
        EXPECT_EQ(choice.width, c.width);
        EXPECT_EQ(choice.height, c.height);
        EXPECT_EQ(choice.maximised, c.maximised);
        EXPECT_FLOAT_EQ(choice.scale, c.scale);
    }
    constexpr const char* kRememberedText = "WINDOW_WIDTH=1500\nWINDOW_HEIGHT=1000\n";
    LDvIniFile remembered;
    remembered.Parse(kRememberedText, std::char_traits<char>::length(kRememberedText));
    EXPECT_FALSE(ChooseWindowSize(DesktopSize{1024, 768, 1024, 768}, ReadRememberedWindow(remembered)).supported)
        << "a desktop below the minimum refuses whatever was remembered";
}

TEST(StartUpChoices, FullScreenUnlessTheSettingSaysOtherwise) {
    struct FullScreenCase { const char* settings; bool fullScreen; };
    constexpr FullScreenCase kCases[] = {
        {"", true},
        {"FULL_SCREEN=\n", true},
        {"FULL_SCREEN=true\n", true},
        {"FULL_SCREEN=1\n", true},
        {"full_screen=false\n", false},
        {"FULL_SCREEN=false\n", false},
        {"FULL_SCREEN=0\n", false},
        {"FULL_SCREEN=TRUE\n", false},
        {"OTHER=1\n", true},
    };
    for (const FullScreenCase& c : kCases) {
        SCOPED_TRACE(c.settings);
        LDvIniFile settings;
        settings.Parse(c.settings, std::char_traits<char>::length(c.settings));
        EXPECT_EQ(FullScreenFromSettings(settings), c.fullScreen);
    }
}

TEST(StartUpChoices, SurveyAddressOnlyWhenUrlsIniSetsOne) {
    struct SurveyCase { const char* urls; const char* url; };
    constexpr SurveyCase kCases[] = {
        {nullptr, ""},
        {"", ""},
        {"SURVEY_URL=\n", ""},
        {"OTHER=https://example.org\n", ""},
        {"SURVEY_URL=https://example.org/survey?q=1\n", "https://example.org/survey?q=1"},
    };
    for (const SurveyCase& c : kCases) {
        SCOPED_TRACE(c.urls ? c.urls : "(no urls.ini)");
        TempDir data;
        if (c.urls != nullptr) data.write("urls.ini", c.urls);
        EXPECT_EQ(SurveyUrl(data.path() + "/"), c.url);
        if (c.urls == nullptr) {
            EXPECT_FALSE(std::ifstream(data.file("urls.ini")).good()) << "never created";
        }
    }
}
