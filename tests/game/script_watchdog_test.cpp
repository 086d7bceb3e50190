// A scene script that loops, recurses or allocates without end loses only the call that did it:
// the call is stopped, logged with the script and the entry point, and the game goes on. Scripts
// whose text would crash or stall the compiler are refused before they are built.
#include <gtest/gtest.h>

#include <string>

#include "engine/k_clock.h"
#include "game/scenes/ldv_script_string.h"
#include "game/scenes/script_host.h"
#include "game/scenes/script_memory.h"
#include "tests/game/logged_world.h"

namespace {

constexpr const char* kTick = "void OnTick()";
constexpr const char* kGetHint = "LDvString GetHint()";

// The watchdog must not read the game's clock: frozen, it would let an endless loop run forever.
class ManualGameClock {
public:
    ManualGameClock() { setManualClock(true); }
    ~ManualGameClock() { setManualClock(false); }
};

// After a runaway call the same scene goes on: the next call runs to its end.
constexpr const char* kStillAlive = "\nLDvString GetHint() { return \"alive\"; }\n";

struct RunawayCase {
    const char* name;
    const char* script;  // its OnTick runs away
    const char* logged;  // after "Script test: void OnTick() "
};

const RunawayCase kRunaways[] = {
    {"endless loop", "void OnTick() { int n = 0; while (true) { n++; } }",
     "stopped: ran past its 250 ms budget"},
    {"empty endless loop", "void OnTick() { for (;;) {} }", "stopped: ran past its 250 ms budget"},
    {"deep recursion", "int Deeper(int n) { return Deeper(n + 1) + 1; }\nvoid OnTick() { Deeper(0); }",
     "failed: Stack overflow"},
    {"string doubling", "void OnTick() { LDvString s = \"x\"; while (true) s += s; }",
     "failed: Text longer than the 1 MiB a script string may hold"},
    {"many big strings",
     "class Page { Page@ next; LDvString text; }\n"
     "void OnTick() {\n"
     "  LDvString big = \"x\";\n"
     "  for (int i = 0; i < 19; i++) big += big;\n"
     "  Page@ first = null;\n"
     "  while (true) { Page p; p.text = big; @p.next = first; @first = p; }\n"
     "}",
     "failed: Script text over its 16 MiB budget"},
    {"growing chain of objects",
     "class Link { Link@ next; }\n"
     "void OnTick() { Link@ head = null; while (true) { Link l; @l.next = head; @head = l; } }",
     "stopped: kept more than 1000 script objects"},
    {"cyclic garbage",
     "class Knot { Knot@ self; }\nvoid OnTick() { while (true) { Knot k; @k.self = k; } }",
     "stopped: kept more than 1000 script objects"},
};

TEST(ScriptWatchdog, RunawayCallsAreStoppedAndTheSceneGoesOn) {
    LoggedWorld world;
    ManualGameClock frozen;
    ScriptHost host;
    ASSERT_TRUE(host.InitScriptHost());
    for (const RunawayCase& c : kRunaways) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(host.BuildSceneModule("test", LDvString(c.script) + kStillAlive));
        const LDvString logged = LDvString("Script test: void OnTick() ") + c.logged;
        const int before = world.countInLog(logged);
        host.CallVoid(kTick);
        EXPECT_EQ(world.countInLog(logged), before + 1);
        EXPECT_EQ(host.CallForText(kGetHint), "alive");
    }
    // Every string the stopped calls made was given back to the text budget.
    ASSERT_TRUE(host.BuildSceneModule("test", "void OnTick() {}"));
    EXPECT_EQ(ScriptTextBytes(), 0u);
}

TEST(ScriptWatchdog, ScriptHeapGrowthIsBoundedFromTheBuild) {
    LoggedWorld world;
    ScriptLimits limits;
    limits.heapBytes = size_t{1} << 20;
    limits.collectedObjects = 100000;
    ScriptHost host(limits);
    ASSERT_TRUE(host.InitScriptHost());
    ASSERT_TRUE(host.BuildSceneModule("test", R"(
        class Blob { Blob@ self; int a, b, c, d, e, f, g, h; }
        void OnTick() { while (true) { Blob b; @b.self = b; } }
        LDvString GetHint() { return "alive"; })"));
    const size_t before = ScriptHeapBytes();
    host.CallVoid(kTick);
    EXPECT_EQ(world.countInLog("Script test: void OnTick() stopped: used more than its 1 MiB of memory"), 1);
    // What the stopped call piled up is collected at once.
    EXPECT_LT(ScriptHeapBytes(), before + (size_t{1} << 20));
    EXPECT_EQ(host.CallForText(kGetHint), "alive");
}

std::string Repeat(const std::string& piece, int times);

// Each object here points at one target from 2,500 slots; the library aborts the whole process
// once a million handles point at one object, which 16 MiB of such objects would reach.
TEST(ScriptWatchdog, HandlesPilingOntoOneObjectAreStoppedByTheMemoryBudget) {
    LoggedWorld world;
    ScriptHost host;
    ASSERT_TRUE(host.InitScriptHost());
    constexpr int kSlots = 2500;
    std::string members, fills;
    for (int i = 0; i < kSlots; ++i) {
        members += "H@ m" + std::to_string(i) + ";";
        fills += "@h.m" + std::to_string(i) + "=t;\n";
    }
    const std::string script = "class H {" + members + "}\n"
                               "void Fill(H@ h, H@ t) {\n" + fills + "}\n"
                               "void OnTick() { H t; H@ keep = null; while (true) { H h; Fill(h, t); @h.m0 = keep; @keep = h; } }\n";
    ASSERT_TRUE(host.BuildSceneModule("test", script));
    host.CallVoid(kTick);
    EXPECT_EQ(world.countInLog("Script test: void OnTick() stopped: used more than its 4 MiB of memory"), 1);
}

TEST(ScriptWatchdog, GlobalInitialisersThatDoNotFinishLeaveTheSceneWithoutScript) {
    LoggedWorld world;
    ScriptHost host;
    ASSERT_TRUE(host.InitScriptHost());
    EXPECT_FALSE(host.BuildSceneModule("test", R"(
        int Forever() { while (true) {} return 1; }
        int start = Forever();
        void OnLeftClick(int x, int y) {})"));
    EXPECT_EQ(world.countInLog("Script test: global variables stopped: ran past its 250 ms budget"), 1);
    host.CallWithPoint("void OnLeftClick(int x, int y)", 1, 1);
    EXPECT_EQ(world.countInLog("Trouble calling func : void OnLeftClick(int x, int y)"), 1);

    EXPECT_FALSE(host.BuildSceneModule("test", "class T { int n; }\nT@ none;\nint broken = none.n;\nvoid OnTick() {}"));
    EXPECT_EQ(world.countInLog("Script test: global variables failed"), 1);
}

struct HostileText {
    const char* name;
    std::string script;
    const char* logged;
};

std::string Repeat(const std::string& piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) text += piece;
    return text;
}

// Each of these overflows the stack or stalls the compiler for seconds if it is built.
TEST(ScriptTextScreen, ScriptsThatWouldBreakTheCompilerAreRefused) {
    LoggedWorld world;
    ScriptHost host;
    ASSERT_TRUE(host.InitScriptHost());
    const HostileText kTexts[] = {
        {"too long", "void OnTick() {}\n" + std::string(70000, ' '), "not built: 70017 bytes, more than the 65536 allowed"},
        {"deep brackets", "int x = " + Repeat("(", 30000) + "1" + Repeat(")", 30000) + ";",
         "not built: brackets nested more than 100 deep at line 1"},
        {"assignment chain", "void OnTick() { int a = 0;\n" + Repeat("a = ", 15000) + "a; }",
         "not built: a statement longer than 2048 characters at line 2"},
        {"else-if chain", "void OnTick() { int a = 0; if (a == 0) {}\n" + Repeat(" else if (a == 1) {}\n", 3000) + "}",
         "not built: more than 256 'else if' in one function at line 258"},
    };
    for (const HostileText& c : kTexts) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(host.BuildSceneModule("test", c.script));
        EXPECT_EQ(world.countInLog(LDvString("Script test ") + c.logged), 1);
    }
}

TEST(ScriptTextScreen, BracketsAndElseInsideStringsAndCommentsDoNotCount) {
    LoggedWorld world;
    ScriptHost host;
    ASSERT_TRUE(host.InitScriptHost());
    const std::string noise = Repeat("((((else if [[{{", 40);
    const std::string script = "// " + noise + "\n/* " + noise + " */\n"
                               "LDvString GetHint() { return \"" + noise + "\" + '\\'' + \"\"\"" + noise + "\"\"\"; }\n"
                               "void OnTick() { int a = 0;" + Repeat(" if (a == 1) {} else if (a == 2) {}\n", 200) + "}\n"
                               "void OnEnter() { int b = 0;" + Repeat(" if (b == 1) {} else if (b == 2) {}\n", 200) + "}\n";
    ASSERT_TRUE(host.BuildSceneModule("test", script));
    EXPECT_EQ(host.CallForText(kGetHint), noise + "'" + noise);
}

}  // namespace
