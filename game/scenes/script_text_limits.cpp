#include "game/scenes/script_text_limits.h"

#include <algorithm>
#include <cctype>
#include <string_view>

namespace {

bool IsWordChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_'; }

// Walks the script's code, stepping over comments and string literals (which the compiler reads
// without recursing), and keeps the figures the limits bound.
class ScriptScanner {
public:
    ScriptScanner(std::string_view text, const ScriptTextLimits& limits) : text(text), limits(limits) {}

    bool Scan(LDvString& problem) {
        while (at < text.size()) {
            if (SkipCommentOrString()) continue;
            const char c = text[at];
            if (IsWordChar(c)) {
                Word();
            } else {
                Symbol(c);
                ++at;
            }
            if (!fault.empty()) {
                problem = fault + " at line " + std::to_string(line);
                return false;
            }
        }
        return true;
    }

private:
    bool StartsWith(std::string_view prefix) const { return text.substr(at, prefix.size()) == prefix; }

    void SkipTo(std::string_view end) {
        const size_t found = text.find(end, at);
        const size_t stop = found == std::string_view::npos ? text.size() : found + end.size();
        for (; at < stop; ++at) line += text[at] == '\n';
    }

    void SkipQuoted(char quote) {
        for (++at; at < text.size() && text[at] != quote; ++at) {
            if (text[at] == '\\') ++at;
            else line += text[at] == '\n';
        }
        at = std::min(at + 1, text.size());
    }

    bool SkipCommentOrString() {
        if (StartsWith("//")) SkipTo("\n");
        else if (StartsWith("/*")) { at += 2; SkipTo("*/"); }
        else if (StartsWith("\"\"\"")) { at += 3; SkipTo("\"\"\""); }
        else if (text[at] == '"' || text[at] == '\'') SkipQuoted(text[at]);
        else return false;
        return true;
    }

    void Word() {
        const size_t start = at;
        while (at < text.size() && IsWordChar(text[at])) ++at;
        const std::string_view word = text.substr(start, at - start);
        if (word == "if" && previousWord == "else" && ++elseIfs > limits.maxElseIfs) {
            fault = "more than " + std::to_string(limits.maxElseIfs) + " 'else if' in one function";
        }
        previousWord = word;
        Code(word.size());
    }

    void Symbol(char c) {
        if (c == '\n') ++line;
        if (std::isspace(static_cast<unsigned char>(c)) != 0) return;
        previousWord = {};
        switch (c) {
            case '(': case '[': case '{': Open(c); break;
            case ')': case ']': case '}': Close(c); break;
            case ';': statement = 0; break;
            default: Code(1);
        }
    }

    void Open(char c) {
        if (++nesting > limits.maxNesting) {
            fault = "brackets nested more than " + std::to_string(limits.maxNesting) + " deep";
        }
        if (c == '{') {
            ++braces;
            statement = 0;
        } else {
            Code(1);
        }
    }

    void Close(char c) {
        if (nesting > 0) --nesting;
        if (c != '}') {
            Code(1);
            return;
        }
        statement = 0;
        if (braces > 0 && --braces == 0) elseIfs = 0;
    }

    void Code(size_t characters) {
        statement += characters;
        if (statement > limits.maxStatement) {
            fault = "a statement longer than " + std::to_string(limits.maxStatement) + " characters";
        }
    }

    std::string_view text;
    const ScriptTextLimits& limits;
    size_t at = 0;
    int line = 1;
    int nesting = 0;
    int braces = 0;
    int elseIfs = 0;
    size_t statement = 0;
    std::string_view previousWord;
    LDvString fault;
};

}  // namespace

bool ScreenScriptText(const LDvString& text, const ScriptTextLimits& limits, LDvString& problem) {
    if (text.size() > limits.maxBytes) {
        problem = std::to_string(text.size()) + " bytes, more than the " + std::to_string(limits.maxBytes) + " allowed";
        return false;
    }
    return ScriptScanner(text, limits).Scan(problem);
}
