// The field guide: which pages the unlocked notes make (fillers before double entries, an empty
// last page), and the book itself opened from the camp, its buttons clicked through the real
// input: turning, the first and last spreads, the tasks tab and the ticked tasks.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/core/frame_context.h"
#include "framework/data/ldv_ini_file.h"
#include "framework/data/localization.h"
#include "framework/data/player_profiles.h"
#include "game/app/match3.h"
#include "game/expedition/camp.h"
#include "game/expedition/field_guide.h"
#include "game/expedition/guide_pages.h"
#include "tests/game/camp_world.h"

namespace {

std::vector<int> PageTypes(const std::string& text, const std::vector<std::string>& unlocked) {
    LDvIniFile table;
    table.Parse(text.data(), text.size());
    const auto isUnlocked = [&unlocked](const LDvString& key) {
        for (const std::string& name : unlocked) {
            if (name == key) return true;
        }
        return false;
    };
    std::vector<int> types;
    for (const GuidePage& page : BuildGuidePages(table, isUnlocked)) types.push_back(page.type);
    return types;
}

constexpr char kNotes[] =
    "[ONE]\nPAGE_TYPE=SINGLE_TOP\nSKETCH=3\nHEADER=One\nBODY=First note\n"
    "[LEFT]\nPAGE_TYPE=DOUBLE_LEFT\nSKETCH=4\nHEADER=Left\nBODY=Text first\n"
    "[RIGHT]\nPAGE_TYPE=DOUBLE_RIGHT\nSKETCH=5\nHEADER=Right\nBODY=Sketch first\n"
    "[BOTTOM]\nPAGE_TYPE=SINGLE_BOTTOM\nHEADER=Bottom\nBODY=No sketch number\n"
    "[ODD]\nPAGE_TYPE=SIDEWAYS\nHEADER=Never shown\n";

}  // namespace

TEST(FieldGuidePages, FillersLeadDoubleEntriesAndAnOddCountEndsEmpty) {
    struct Case {
        const char* what;
        std::vector<std::string> unlocked;
        std::vector<int> types;
    };
    const Case cases[] = {
        {"only the tasks: an empty right page", {}, {0, 5}},
        {"a double entry right after the tasks gets a filler", {"LEFT"}, {0, 2, 3, 4}},
        {"after one single page no filler", {"ONE", "LEFT"}, {0, 1, 3, 4}},
        {"double right shows the sketch first", {"ONE", "RIGHT"}, {0, 1, 4, 3}},
        {"an odd total ends with an empty page", {"ONE", "BOTTOM"}, {0, 1, 2, 5}},
        {"locked entries and unknown types add nothing", {"ODD"}, {0, 5}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(PageTypes(kNotes, c.unlocked), c.types);
    }
    LDvIniFile table;
    table.Parse(kNotes, sizeof(kNotes) - 1);
    const LDvList<GuidePage> pages = BuildGuidePages(table, [](const LDvString& key) { return key == "LEFT"; });
    EXPECT_EQ(pages.Get(1).sketch, kFillerSketch);
    EXPECT_EQ(pages.Get(1).body, kFillerText);
    EXPECT_EQ(pages.Get(2).header, "Left");
    EXPECT_EQ(pages.Get(3).sketch, 4);
}

// Six pages: three spreads. The player turns to the end, jumps back with the tasks tab and finds
// Next usable again, then closes the book.
TEST(FieldGuideBook, TurnsSpreadBySpreadAndTheTasksTabLeadsBack) {
    const CampData data(kTestBuildTable, kNotes);
    PlayWorld world(data.path(), [] {
        PrepareSeasonedPlayer(3, 0, true);
        for (const char* page : {"ONE", "LEFT", "BOTTOM"}) SetPlayerInt("PAGES", page, 1);
        SetPlayerInt("BUILDING_DATA", "HUTS_BUILT", 1);
    }, PlayWorld::Start::Camp);
    ASSERT_TRUE(world.started());
    Camp& camp = TheCamp(world);
    FieldGuide& guide = camp.fieldGuide;

    struct Turn {
        LDvButton* click;              // then, once the page has turned:
        int leftPage;
        bool nextUsable, previousUsable;
    };
    const Turn turns[] = {
        {nullptr, 0, true, false},     // opened on the first spread
        {&guide.tasksButton, 0, true, false},
        {&guide.previousButton, 0, true, false},
        {&guide.nextButton, 2, true, true},
        {&guide.nextButton, 4, false, true},
        {&guide.nextButton, 4, false, true},
        {&guide.tasksButton, 0, true, false},
        {&guide.closeButton, 0, true, false},
    };
    size_t next = 0;
    world.answerModals([&](LDvState& dialog) -> LDvOverlay* {
        if (&dialog != &guide || next >= std::size(turns)) return PlayWorld::closeStoriesAndTips(dialog);
        const Turn& previous = turns[next];
        EXPECT_EQ(guide.leftPage, previous.leftPage) << "before turn " << next;
        EXPECT_EQ(guide.nextButton.enabled, previous.nextUsable) << "before turn " << next;
        EXPECT_EQ(guide.previousButton.enabled, previous.previousUsable) << "before turn " << next;
        ++next;
        return next < std::size(turns) ? turns[next].click : nullptr;
    });
    ASSERT_TRUE(WaitForCamp(world));
    ASSERT_TRUE(Press(world, camp.mainMenu, Camp::kFieldGuideEntry));
    EXPECT_EQ(next, std::size(turns) - 1) << "every turn was seen, then the book closed";
    EXPECT_EQ(guide.pages.Count(), 6);
    EXPECT_EQ(Frame().currentState, &camp);
    EXPECT_EQ(GetPlayerInt("TASKS", "Build Huts", 0), 1) << "the built huts tick their task";
    EXPECT_EQ(GetPlayerInt("TASKS", "Build Lab", 0), 0);
    EXPECT_TRUE(FieldGuide::TaskDone(GetText(35)));
}
