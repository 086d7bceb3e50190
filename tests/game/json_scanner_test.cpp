// The animation files' text scanner, habits included: keys found as plain text anywhere, unquoted
// numbers skipped, object values stored without braces, strings only in the last object.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "game/cinematics/json_scanner.h"

namespace {

using Members = std::vector<std::pair<std::string, std::string>>;

Members Parsed(std::string_view text) {
    Members members;
    for (const auto& member : ParseJsonObject(text)) members.emplace_back(member.key, member.value);
    return members;
}

}  // namespace

TEST(JsonScanner, ParsesObjectsIntoMembersInFileOrder) {
    struct Case {
        const char* text;
        Members expected;
    };
    const Case cases[] = {
        // Object values lose their braces (and the quote opening their first key).
        {"{\n \"b\": { \"x\": \"1\" },\n \"a\": { \"y\": \"2\" }\n}\n", {{"b", "x\": \"1\" "}, {"a", "y\": \"2\" "}}},
        // A leaf with strings alone.
        {" \"0\": \"head\",\n \"1\": \"null\"\n", {{"0", "head"}, {"1", "null"}}},
        // A key seen before keeps its place and takes the new value.
        {"\"a\": \"1\", \"b\": \"2\", \"a\": \"3\"", {{"a", "3"}, {"b", "2"}}},
        // A string with an object after it cannot be read: it is taken for an unclosed object.
        {"\"a\": \"1\", \"b\": { \"c\": \"2\" }", {{"b", "c\": \"2\" "}}},
        // An object that never closes stores nothing; the scan goes on inside it.
        {"\"a\": { \"b\": {", {{"b", ""}}},
        {"", {}},
        {"{ }", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(Parsed(c.text), c.expected);
    }
}

TEST(JsonScanner, ReadsValuesWithItsPlainTextHabits) {
    struct Case {
        const char* text;
        const char* key;
        const char* fallback;
        const char* expected;
    };
    const Case cases[] = {
        {"\"x\": \"-118\", \"y\": \"42\"", "y", "d", "42"},
        // The key is found as plain text, here inside the parent's name.
        {"\"parent\": \"body\", \"x\": \"4\", \"y\": \"42\"", "y", "d", "4"},
        // An unquoted number is skipped: the next quoted text is taken.
        {"\"x\": 5, \"y\": \"7\"", "x", "d", "y"},
        {"\"curve\": [ \"0.2\", \"0.8\" ]", "curve", "d", " \"0.2\", \"0.8\" "},
        {"\"curve\": \"stepped\"", "curve", "d", "stepped"},
        {"\"x\": \"\"", "x", "d", "d"},    // an empty value gives the fallback
        {"\"x\": \"1\"", "y", "d", ""},    // an absent key gives empty, not the fallback
        {"\"x\"", "x", "d", "d"},          // no colon: nothing after it
        {"\"x\": \"unterminated", "x", "d", "unterminated"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(JsonString(c.text, c.key, c.fallback), c.expected);
    }
}

TEST(JsonScanner, ReadsNumbersAndNumberLists) {
    struct Case {
        const char* text;
        const char* key;
        float expected;
    };
    const Case cases[] = {
        {"\"x\": \"-118\"", "x", -118.0f},
        {"\"x\": \" 2.5e1\"", "x", 25.0f},
        {"\"x\": \"abc\"", "x", 0.0f},        // no digits
        {"\"x\": \"inf\"", "x", 0.0f},        // never infinite
        {"\"x\": \"1e999\"", "x", 0.0f},
        {"\"y\": \"3\"", "x", 9.0f},          // absent: the fallback
        {"\"x\": 5, \"y\": \"7\"", "x", 0.0f},  // reads the text "y"
        // "y" appears first inside the parent's name; the value after the next colon is read.
        {"\"parent\": \"y_bone\", \"x\": \"4\", \"y\": \"42\"", "y", 4.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(JsonFloat(c.text, c.key, 9.0f), c.expected);
    }

    const Array<float> two = JsonFloatList(" \"0.2\", \"0.8\" ");
    ASSERT_EQ(two.Count(), 2);
    EXPECT_FLOAT_EQ(two.At(0), 0.2f);
    EXPECT_FLOAT_EQ(two.At(1), 0.8f);
    const Array<float> gaps = JsonFloatList("1,,\"-3\",");
    ASSERT_EQ(gaps.Count(), 4);
    EXPECT_EQ(gaps.At(1), 0.0f);
    EXPECT_EQ(gaps.At(2), -3.0f);
    EXPECT_EQ(gaps.At(3), 0.0f);
}

TEST(JsonScanner, DeepOrBrokenTextEndsQuickly) {
    // Every object open, none closed: each member walks the rest of the text for its end.
    std::string text;
    for (int i = 0; i < 200000; ++i) text += "\"k\":{";
    EXPECT_EQ(ParseJsonObject(text).Count(), 1);  // only the last "k", with nothing after it, stores
    std::string closed;
    for (int i = 0; i < 100000; ++i) closed += "\"k" + std::to_string(i) + "\":{}";
    EXPECT_EQ(ParseJsonObject(closed).Count(), 100000);
}
