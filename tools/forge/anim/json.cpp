#include "tools/forge/anim/json.h"

#include <cctype>
#include <cstdlib>

const JsonValue* JsonValue::find(const std::string& key) const {
    for (const auto& [name, value] : members) {
        if (name == key) return &value;
    }
    return nullptr;
}

std::string JsonValue::string(const std::string& key, const std::string& fallback) const {
    const JsonValue* value = find(key);
    return value && value->kind == Kind::String ? value->text : fallback;
}

double JsonValue::number(const std::string& key, double fallback) const {
    const JsonValue* value = find(key);
    if (!value || value->kind != Kind::String || value->text.empty()) return fallback;
    return std::strtod(value->text.c_str(), nullptr);
}

namespace {

class Reader {
public:
    explicit Reader(const std::string& source) : text(source) {}

    bool document(JsonValue& out) {
        skipBlanks();
        if (!object(out)) return false;
        skipBlanks();
        return at == text.size() || fail("text after the closing brace");
    }

    std::string error;

private:
    const std::string& text;
    size_t at = 0;

    bool fail(const std::string& what) {
        int line = 1;
        for (size_t i = 0; i < at && i < text.size(); ++i) line += text[i] == '\n';
        error = "line " + std::to_string(line) + ": " + what;
        return false;
    }

    void skipBlanks() {
        while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at]))) ++at;
    }

    bool expect(char c) {
        skipBlanks();
        if (at < text.size() && text[at] == c) {
            ++at;
            return true;
        }
        return fail(std::string("expected '") + c + "'");
    }

    bool quoted(std::string& out) {
        if (!expect('"')) return false;
        const size_t end = text.find('"', at);
        if (end == std::string::npos) return fail("unterminated string");
        out = text.substr(at, end - at);
        if (out.find_first_of("{}\\") != std::string::npos) return fail("braces or escapes inside a string");
        at = end + 1;
        return true;
    }

    bool array(JsonValue& out) {
        out.kind = JsonValue::Kind::Array;
        ++at;
        skipBlanks();
        while (at < text.size() && text[at] != ']') {
            std::string item;
            if (!quoted(item)) return fail("every number in a list must be quoted");
            out.items.push_back(item);
            skipBlanks();
            if (at < text.size() && text[at] == ',') ++at;
            skipBlanks();
        }
        return expect(']');
    }

    bool value(JsonValue& out) {
        skipBlanks();
        if (at >= text.size()) return fail("unexpected end");
        if (text[at] == '{') return object(out);
        if (text[at] == '[') return array(out);
        if (text[at] == '"') return quoted(out.text);
        return fail("unquoted value (every scalar must be quoted)");
    }

    // Objects the game parses member by member hold only objects; leaves hold no objects.
    bool checkUniform(const JsonValue& object) {
        bool objects = false;
        bool scalars = false;
        for (const auto& member : object.members) {
            if (member.value.kind == JsonValue::Kind::Object) objects = true;
            else scalars = true;
        }
        return !(objects && scalars) || fail("an object mixes object members with string members");
    }

    bool object(JsonValue& out) {
        out.kind = JsonValue::Kind::Object;
        if (!expect('{')) return false;
        skipBlanks();
        while (at < text.size() && text[at] != '}') {
            std::string key;
            if (!quoted(key) || !expect(':')) return false;
            JsonValue member;
            if (!value(member)) return false;
            if (out.find(key)) return fail("member \"" + key + "\" given twice");
            out.members.push_back({key, std::move(member)});
            skipBlanks();
            if (at < text.size() && text[at] == ',') ++at;
            skipBlanks();
        }
        return expect('}') && checkUniform(out);
    }
};

}  // namespace

bool parseAnimationJson(const std::string& text, JsonValue& out, std::string& error) {
    Reader reader(text);
    out = JsonValue();
    if (reader.document(out)) return true;
    error = reader.error;
    return false;
}

namespace {

// The leaf as the game's scanner sees it once the braces are gone; where each member's name starts.
std::string scannerText(const JsonValue& leaf, std::vector<size_t>& starts) {
    std::string text;
    for (const auto& [key, value] : leaf.members) {
        if (!text.empty()) text += ", \"";
        starts.push_back(text.size());
        text += key + "\": ";
        if (value.kind == JsonValue::Kind::Array) {
            text += "[";
            for (const std::string& item : value.items) text += " \"" + item + "\",";
            text += " ]";
        } else {
            text += "\"" + value.text + "\"";
        }
    }
    return text;
}

}  // namespace

bool scannerFindsMembers(const JsonValue& leaf, const std::vector<std::string>& keys, std::string& error) {
    std::vector<size_t> starts;
    const std::string text = scannerText(leaf, starts);
    for (const std::string& key : keys) {
        size_t expected = std::string::npos;
        for (size_t i = 0; i < leaf.members.size(); ++i) {
            if (leaf.members[i].name == key) expected = starts[i];
        }
        if (text.find(key) != expected) {
            error = "the game would misread \"" + key + "\" in {" + text + "}";
            return false;
        }
    }
    return true;
}
