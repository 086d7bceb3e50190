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
    int desktopWidth, desktopHeight;
    bool supported;
    int width, height;
    bool scaled;
    float scale;
};
constexpr DesktopCase kDesktops[] = {
    {1920, 1080, true, 1600, 900, false, 1.0f},
    {1600, 900, true, 1600, 900, false, 1.0f},
    {1600, 899, true, 1365, 768, true, 0.853125f},
    {1366, 768, true, 1365, 768, true, 0.853125f},
    {1365, 768, true, 1365, 768, true, 0.853125f},
    {2560, 720, true, 1280, 720, true, 0.8f},
    {1280, 720, true, 1280, 720, true, 0.8f},
    {1279, 720, false, 0, 0, false, 1.0f},
    {1280, 719, false, 0, 0, false, 1.0f},
    {0, 0, false, 0, 0, false, 1.0f},
};

}  // namespace

TEST(StartUpChoices, WindowIsTheLargestSizeTheDesktopHoldsScaledBelowTheCanvas) {
    for (const DesktopCase& c : kDesktops) {
        SCOPED_TRACE(testing::Message() << c.desktopWidth << " x " << c.desktopHeight);
        const WindowChoice choice = ChooseWindowSize(c.desktopWidth, c.desktopHeight);
        EXPECT_EQ(choice.supported, c.supported);
        EXPECT_EQ(choice.width, c.width);
        EXPECT_EQ(choice.height, c.height);
        EXPECT_EQ(choice.scaled, c.scaled);
        EXPECT_FLOAT_EQ(choice.scale, c.scale);
    }
    EXPECT_STREQ(kResolutionRefusal, "This computer doesn't support minimum game resolution. 1280x720");
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
