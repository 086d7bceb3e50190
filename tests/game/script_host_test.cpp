// The script host: LDvString as scripts see it, the call shapes and what a missing function does,
// fresh globals per build, compile errors in the log, and the default scene script.
#include "game/scenes/script_host.h"

#include <gtest/gtest.h>

#include "game/scenes/default_scene_script.h"
#include "tests/game/logged_world.h"

namespace {

constexpr const char* kLeftClick = "void OnLeftClick(int x, int y)";
constexpr const char* kInteract = "void OnInteract(LDvString id)";
constexpr const char* kGetHint = "LDvString GetHint()";
constexpr const char* kTrouble = "Trouble calling func : ";

class ScriptHostTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(host.InitScriptHost()); }

    bool Build(const LDvString& script) { return host.BuildSceneModule("test", script); }

    // The text a script expression gives, through the LDvString-returning call shape.
    LDvString Evaluate(const LDvString& expression) {
        if (!Build("LDvString GetHint() { return " + expression + "; }")) return "<not built>";
        return host.CallForText(kGetHint);
    }

    LoggedWorld world;
    ScriptHost host;
};

struct TextCase {
    const char* expression;
    const char* text;
};

TEST_F(ScriptHostTest, StringMethodsAndStrGiveTheirTexts) {
    const TextCase kCases[] = {
        {"STR(-5)", "-5"},
        {"STR(0.0f)", "   0.00"},
        {"STR(-12.345f)", " -12.35"},
        {"STR(1.5f)", "   1.50"},
        {"STR(1234.5f)", "1234.50"},
        {"STR(1.5)", "   1.50"},
        {"\"ab\" + \"cd\"", "abcd"},
        {"\"abcdefg\".Left(3)", "abc"},
        {"\"abc\".Left(9)", "abc"},
        {"\"abcdefg\".Right(2)", "fg"},
        {"\"abc\".Right(9)", "abc"},
        {"\"abcdefg\".Mid(2, 3)", "cde"},
        {"\"abcdefg\".Mid(5, 9)", "fg"},
        {"\"abc\".Mid(7, 2)", ""},
        {"STR(\"12ab\".atol())", "12"},
        {"STR(\"ab\".atol())", "0"},
        {"STR(\"\".atol())", "0"},
        {"STR(\"  -7x\".atol())", "-7"},
        {"STR(\"99999999999\".atol())", "2147483647"},
        {"STR((\"1\" + \"2\").atol())", "12"},         // a temporary, kept unaligned by the library
        {"STR((STR(3) + STR(4)).atol() + 1)", "35"},
        {"(\"ab\" == \"ab\") ? \"same\" : \"different\"", "same"},
        {"(\"ab\" == \"aB\") ? \"same\" : \"different\"", "different"},
        {"STR(\"ab\".opCmp(\"abc\"))", "-1"},
        {"STR(\"abd\".opCmp(\"abc\"))", "1"},
        {"STR(\"abc\".opCmp(\"abc\"))", "0"},
        {"STR(\"\\xe9\".opCmp(\"z\"))", "1"},  // bytes compare unsigned
        {"(\"ab\" < \"abc\") ? \"before\" : \"after\"", "before"},
    };
    for (const TextCase& c : kCases) {
        SCOPED_TRACE(c.expression);
        EXPECT_EQ(Evaluate(c.expression), c.text);
    }
}

TEST_F(ScriptHostTest, AssignmentsBuildTextInPlace) {
    ASSERT_TRUE(Build(R"(
        LDvString GetHint() {
            LDvString a = "ab";
            LDvString b;
            b = a;
            b += "cd";
            a = "x";
            return a + b;
        })"));
    EXPECT_EQ(host.CallForText(kGetHint), "xabcd");
}

// Clicks and pointer moves come without end: the missing function is logged once per scene.
TEST_F(ScriptHostTest, MissingLeftClickIsLoggedOncePerSceneButInteractStillRuns) {
    const LDvString script = R"(
        LDvString touched;
        void OnInteract(LDvString id) { touched += id; }
        LDvString GetHint() { return touched; })";
    ASSERT_TRUE(Build(script));
    for (const char* section : {"DOOR", "KEY", "GATE"}) {
        host.CallWithPoint(kLeftClick, 10, 20);
        host.CallWithText(kInteract, section);
    }
    EXPECT_EQ(world.countInLog(LDvString(kTrouble) + kLeftClick + "\n"), 1);
    EXPECT_EQ(host.CallForText(kGetHint), "DOORKEYGATE");

    ASSERT_TRUE(host.BuildSceneModule("another", script));
    host.CallWithPoint(kLeftClick, 10, 20);
    host.CallWithPoint(kLeftClick, 10, 20);
    EXPECT_EQ(world.countInLog(LDvString(kTrouble) + kLeftClick + "\n"), 2);
}

TEST_F(ScriptHostTest, EachShapeHandlesAMissingFunctionItsOwnWay) {
    ASSERT_TRUE(Build("void Unrelated() {}"));
    host.CallVoid("void OnEnter()");
    host.CallWithText(kInteract, "DOOR");
    EXPECT_FALSE(host.CallForBool("bool CanCombine(LDvString strItemID, LDvString strSection)", "KEY", "DOOR"));
    EXPECT_EQ(host.CallForText(kGetHint), "");
    EXPECT_EQ(world.countInLog(kTrouble), 0);

    host.CallWithPoint("void StartDrag(int x, int y)", 1, 2);
    const char* cursor = "LDvString OnCursor(int x, int y, LDvString strHitzone)";
    EXPECT_EQ(host.CallForTextAt(cursor, 1, 2, "DOOR"), "");
    EXPECT_EQ(world.countInLog(LDvString(kTrouble) + "void StartDrag(int x, int y)"), 1);
    EXPECT_EQ(world.countInLog(LDvString(kTrouble) + cursor), 1);
}

TEST_F(ScriptHostTest, ArgumentsAndResultsPassThroughEveryShape) {
    ASSERT_TRUE(Build(R"(
        LDvString seen;
        void OnLeftClick(int x, int y) { seen += STR(x) + "," + STR(y) + ";"; }
        bool CanCombine(LDvString item, LDvString zone) { return item == "KEY" && zone == "DOOR"; }
        void OnCombine(LDvString item, LDvString zone) { seen += item + ">" + zone + ";"; }
        LDvString OnCursor(int x, int y, LDvString zone) { return zone + STR(x - y); }
        LDvString GetHint() { return seen; })"));
    host.CallWithPoint(kLeftClick, -3, 900);
    EXPECT_TRUE(host.CallForBool("bool CanCombine(LDvString strItemID, LDvString strSection)", "KEY", "DOOR"));
    EXPECT_FALSE(host.CallForBool("bool CanCombine(LDvString strItemID, LDvString strSection)", "KEY", "WALL"));
    // OnCombine is called through the bool shape; its missing result reads as false.
    EXPECT_FALSE(host.CallForBool("void OnCombine(LDvString strID, LDvString strZone)", "ROPE", "TREE"));
    EXPECT_EQ(host.CallForTextAt("LDvString OnCursor(int x, int y, LDvString strHitzone)", 50, 8, "HAND"), "HAND42");
    EXPECT_EQ(host.CallForText(kGetHint), "-3,900;ROPE>TREE;");
}

TEST_F(ScriptHostTest, EveryBuildStartsWithFreshGlobals) {
    const LDvString script = R"(
        int ticks = 0;
        LDvString trail = "start";
        void OnTick() { ticks++; trail += "."; }
        LDvString GetHint() { return STR(ticks) + trail; })";
    ASSERT_TRUE(Build(script));
    for (int i = 0; i < 3; ++i) host.CallVoid("void OnTick()");
    EXPECT_EQ(host.CallForText(kGetHint), "3start...");
    ASSERT_TRUE(Build(script));
    EXPECT_EQ(host.CallForText(kGetHint), "0start");
}

TEST_F(ScriptHostTest, CompileMessagesAreLoggedInTheirFormat) {
    EXPECT_FALSE(Build("void OnEnter() {\n  float f = 1.5;\n  int y = f;\n}\nvoid OnTick() {\n  int z = missing;\n}\n"));
    EXPECT_EQ(world.countInLog("Angelscript Error: (Line : 1) : INFO : Compiling void OnEnter()\n\n"), 1);
    EXPECT_EQ(world.countInLog("Angelscript Error: (Line : 3) : WARN : Float value truncated in implicit conversion "
                               "to integer\n\n"),
              1);
    EXPECT_EQ(world.countInLog("Angelscript Error: (Line : 6) : ERR  : No matching symbol 'missing'\n\n"), 1);
}

TEST_F(ScriptHostTest, AfterAFailedBuildEveryCallBehavesAsMissing) {
    ASSERT_TRUE(Build("void OnLeftClick(int x, int y) {}\nLDvString GetHint() { return \"old\"; }"));
    EXPECT_FALSE(Build("void OnLeftClick(int x, int y) {}\nLDvString GetHint() { return ; }\nvoid OnTick() { nonsense }"));
    host.CallVoid("void OnTick()");
    host.CallWithPoint(kLeftClick, 1, 1);
    EXPECT_EQ(host.CallForText(kGetHint), "");
    EXPECT_EQ(world.countInLog(LDvString(kTrouble) + kLeftClick), 1);

    // The next scene builds as if nothing had gone wrong.
    ASSERT_TRUE(Build("LDvString GetHint() { return \"new\"; }"));
    EXPECT_EQ(host.CallForText(kGetHint), "new");
}

TEST_F(ScriptHostTest, ARunTimeExceptionFailsOnlyThatCall) {
    ASSERT_TRUE(Build(R"(
        class Thing { int n; }
        int calls = 0;
        LDvString GetHint() {
            calls++;
            Thing@ none;
            if (calls == 1) return STR(none.n);
            return "calls " + STR(calls);
        })"));
    EXPECT_EQ(host.CallForText(kGetHint), "");
    EXPECT_EQ(world.countInLog("Script test: LDvString GetHint() failed: Null pointer access (line 7 of LDvString GetHint())"),
              1);
    EXPECT_EQ(host.CallForText(kGetHint), "calls 2");
}

// A host function that calls back into the script while it runs: the one context is busy.
ScriptHost* reentered = nullptr;
void CallBackIntoScript() { reentered->CallVoid("void OnTick()"); }

TEST(ScriptHostRegistrations, AddedFunctionsFollowTheHostsOwnAndCannotReenter) {
    LoggedWorld world;
    ScriptHost host;
    reentered = &host;
    ASSERT_TRUE(host.InitScriptHost([](ScriptHost& h) {
        return h.RegisterFunction("void CallBack()", asFUNCTION(CallBackIntoScript));
    }));
    ASSERT_TRUE(host.BuildSceneModule("test", R"(
        int ticks = 0;
        void OnTick() { ticks++; if (ticks == 1) CallBack(); }
        LDvString GetHint() { return STR(ticks); })"));
    host.CallVoid("void OnTick()");
    EXPECT_EQ(host.CallForText(kGetHint), "1");
    EXPECT_EQ(world.countInLog("Script test: void OnTick() not called: the script is already running"), 1);
    reentered = nullptr;
}

TEST(ScriptHostRegistrations, ARefusedRegistrationIsReported) {
    LoggedWorld world;
    ScriptHost host;
    EXPECT_FALSE(host.InitScriptHost([](ScriptHost& h) {
        return h.RegisterFunction("void CallBack(", asFUNCTION(CallBackIntoScript));
    }));
    EXPECT_EQ(world.countInLog("Script engine refused void CallBack("), 1);
    // The library then builds nothing; the scene runs without its script.
    EXPECT_FALSE(host.BuildSceneModule("test", "void OnTick() {}"));
    host.CallVoid("void OnTick()");
}

TEST(ScriptHostStart, WithoutAnEngineNothingBuildsAndCallsAreMissing) {
    LoggedWorld world;
    ScriptHost host;
    EXPECT_FALSE(host.BuildSceneModule("test", "void OnTick() {}"));
    host.CallVoid("void OnTick()");
    host.CallWithPoint(kLeftClick, 0, 0);
    EXPECT_EQ(world.countInLog(LDvString(kTrouble) + kLeftClick), 1);
}

TEST_F(ScriptHostTest, DefaultScriptAsWrittenFailsOnItsMathLinesAndTheVariantBuilds) {
    const LDvString script = DefaultSceneScript();
    EXPECT_EQ(script.rfind("// Angel script for scene\n\r\n// called when scene starts\nvoid OnEnter() {}\r\n", 0), 0u);
    EXPECT_NE(script.find("void OnTick() {}\n\n\r\n///////////////////////\n"), LDvString::npos);
    EXPECT_NE(script.find("// math functions\nfloat Sin(float x)\nfloat Cos(float x)\n"), LDvString::npos);
    const LDvString ending = "// Sounds\n//void PlaySound(LDvString filename)\n";
    EXPECT_EQ(script.substr(script.size() - ending.size()), ending);

    EXPECT_FALSE(Build(script));
    EXPECT_GE(world.countInLog(") : ERR  : "), 1);

    LDvString variant = DefaultSceneScriptThatBuilds();
    for (const char* line : {"float Sin(", "float Cos(", "float LinearValue(", "float QuadValue(", "float RootValue("}) {
        const size_t at = variant.find(LDvString("//") + line);
        ASSERT_NE(at, LDvString::npos) << line;
        variant.erase(at, 2);
    }
    EXPECT_EQ(variant, script);

    ASSERT_TRUE(Build(DefaultSceneScriptThatBuilds()));
    host.CallVoid("void OnEnter()");
    host.CallWithPoint(kLeftClick, 5, 5);
    host.CallWithText("void OnInteract(LDvString id)", "DOOR");
    host.CallForBool("void OnCombine(LDvString strID, LDvString strZone)", "KEY", "DOOR");
    host.CallVoid("void OnTick()");
    EXPECT_EQ(world.countInLog(kTrouble), 0);
}

}  // namespace
