#include "tests/fuzz/scene_script_generator.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <utility>

namespace {

constexpr int kMostStatements = 4;     // per block
constexpr int kMostBlockDepth = 3;     // blocks inside blocks
constexpr int kMostExpressionDepth = 3;
constexpr int kMostEdits = 4;          // raw edits of the finished text
constexpr int kMostEditLength = 24;

struct Variable {
    std::string name;
    ValueKind kind;
};

// The entry points the scene calls, with their parameters as the script names them.
struct EntryPoint {
    const char* declaration;
    ValueKind result;
    std::vector<Variable> parameters;
};

const std::vector<EntryPoint>& EntryPoints() {
    static const std::vector<EntryPoint> kEntryPoints = {
        {"void OnEnter()", ValueKind::Void, {}},
        {"void OnLeave()", ValueKind::Void, {}},
        {"void OnTick()", ValueKind::Void, {}},
        {"void OnLeftClick(int x, int y)", ValueKind::Void, {{"x", ValueKind::Int}, {"y", ValueKind::Int}}},
        {"void StartDrag(int x, int y)", ValueKind::Void, {{"x", ValueKind::Int}, {"y", ValueKind::Int}}},
        {"void OnDrag(int x, int y)", ValueKind::Void, {{"x", ValueKind::Int}, {"y", ValueKind::Int}}},
        {"void EndDrag(int x, int y)", ValueKind::Void, {{"x", ValueKind::Int}, {"y", ValueKind::Int}}},
        {"void OnInteract(LDvString id)", ValueKind::Void, {{"id", ValueKind::Text}}},
        {"bool CanCombine(LDvString item, LDvString zone)", ValueKind::Bool,
         {{"item", ValueKind::Text}, {"zone", ValueKind::Text}}},
        {"void OnCombine(LDvString item, LDvString zone)", ValueKind::Void,
         {{"item", ValueKind::Text}, {"zone", ValueKind::Text}}},
        {"LDvString OnCursor(int x, int y, LDvString zone)", ValueKind::Text,
         {{"x", ValueKind::Int}, {"y", ValueKind::Int}, {"zone", ValueKind::Text}}},
        {"LDvString GetHint()", ValueKind::Text, {}},
    };
    return kEntryPoints;
}

const std::vector<Variable> kGlobals = {
    {"gi0", ValueKind::Int}, {"gi1", ValueKind::Int}, {"gf", ValueKind::Float},
    {"gb", ValueKind::Bool}, {"gs0", ValueKind::Text}, {"gs1", ValueKind::Text},
};

const char* TypeName(ValueKind kind) {
    switch (kind) {
        case ValueKind::Int: return "int";
        case ValueKind::Float: return "float";
        case ValueKind::Bool: return "bool";
        case ValueKind::Text: return "LDvString";
        case ValueKind::Void: break;
    }
    return "void";
}

// A text literal as the script writes it: quotes and backslashes escaped, other bytes as they are.
std::string Quoted(const std::string& text) {
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') quoted += '\\';
        if (c == '\n') {
            quoted += "\\n";
            continue;
        }
        quoted += c;
    }
    return quoted + "\"";
}

class Generator {
public:
    Generator(FuzzBytes& bytes, const std::vector<ScriptCallable>& callables, const ScriptVocabulary& vocabulary)
        : bytes(bytes), callables(callables), vocabulary(vocabulary) {}

    std::string Script() {
        std::string script = Globals();
        scope = {{"n", ValueKind::Int}};
        script += "int Helper(int n) {\n" + Block(1, ValueKind::Int) + "  return " + HelperResult() + ";\n}\n";
        for (const EntryPoint& entry : EntryPoints()) {
            if (bytes.Pick(4) == 3) continue;  // now and then a scene lacks one
            scope = entry.parameters;
            scope.push_back({"n", ValueKind::Int});
            script += std::string(entry.declaration) + " {\n  int n = " + Literal(ValueKind::Int) + ";\n" +
                      Block(1, entry.result);
            if (entry.result != ValueKind::Void) script += "  return " + Expression(entry.result, 0) + ";\n";
            script += "}\n";
        }
        return script;
    }

private:
    std::string Globals() {
        std::string text;
        for (const Variable& global : kGlobals) {
            text += std::string(TypeName(global.kind)) + " " + global.name;
            if (bytes.Pick(2) == 1) text += " = " + Literal(global.kind);
            text += ";\n";
        }
        return text;
    }

    // The helper counts down to 0, or recurses past any depth when the input says so.
    std::string HelperResult() {
        switch (bytes.Pick(4)) {
            case 1: return "n <= 0 ? 0 : Helper(n - 1) + 1";
            case 2: return "Helper(n + 1)";
            case 3: return "n > 0 ? Helper(n - 1) + Helper(n - 2) : " + Expression(ValueKind::Int, 1);
            default: return Expression(ValueKind::Int, 1);
        }
    }

    std::string Block(int depth, ValueKind result) {
        std::string text;
        const int count = bytes.Pick(kMostStatements + 1);
        for (int i = 0; i < count; ++i) text += std::string(static_cast<size_t>(depth) * 2, ' ') + Statement(depth, result);
        return text;
    }

    std::string Nested(int depth, ValueKind result) {
        if (depth >= kMostBlockDepth) return "{}\n";
        return "{\n" + Block(depth + 1, result) + std::string(static_cast<size_t>(depth) * 2, ' ') + "}\n";
    }

    std::string Statement(int depth, ValueKind result) {
        switch (bytes.Pick(9)) {
            case 1: return Assignment();
            case 2: return "if (" + Expression(ValueKind::Bool, 0) + ") " + Nested(depth, result) + "else " +
                           Nested(depth, result);
            case 3: {
                const std::string i = "i" + std::to_string(loops++);
                return "for (int " + i + " = 0; " + i + " < " + Expression(ValueKind::Int, 1) + "; " + i + "++) " +
                       Nested(depth, result);
            }
            case 4: return "while (" + Expression(ValueKind::Bool, 1) + ") " + Nested(depth, result);
            case 5: return "n = Helper(" + Expression(ValueKind::Int, 1) + ");\n";
            case 6: return result == ValueKind::Void ? "return;\n" : "return " + Expression(result, 1) + ";\n";
            case 7: return "while (true) { n++; }\n";
            default: return Call(ValueKind::Void, 0) + ";\n";
        }
    }

    std::string Assignment() {
        const Variable& global = kGlobals[static_cast<size_t>(bytes.Pick(static_cast<int>(kGlobals.size())))];
        const bool adds = global.kind != ValueKind::Bool && bytes.Pick(2) == 1;
        return global.name + (adds ? " += " : " = ") + Expression(global.kind, 0) + ";\n";
    }

    // A registered function of that result (any, for Void), with arguments of its parameter types.
    std::string Call(ValueKind result, int depth) {
        std::vector<const ScriptCallable*> fitting;
        for (const ScriptCallable& callable : callables) {
            if (result == ValueKind::Void || callable.result == result) fitting.push_back(&callable);
        }
        if (fitting.empty()) return Literal(result);
        const ScriptCallable& callable = *fitting[static_cast<size_t>(bytes.Byte()) % fitting.size()];
        std::string text = callable.name + "(";
        for (size_t i = 0; i < callable.parameters.size(); ++i) {
            if (i > 0) text += ", ";
            text += Expression(callable.parameters[i], depth + 1);
        }
        return text + ")";
    }

    std::string Expression(ValueKind kind, int depth) {
        if (depth >= kMostExpressionDepth) return bytes.Pick(2) == 0 ? Literal(kind) : VariableOf(kind);
        const int choice = bytes.Pick(6);
        if (choice == 0) return Literal(kind);
        if (choice == 1) return VariableOf(kind);
        if (choice == 2) return Call(kind, depth);
        switch (kind) {
            case ValueKind::Int: return IntExpression(choice, depth);
            case ValueKind::Float: return FloatExpression(choice, depth);
            case ValueKind::Bool: return BoolExpression(choice, depth);
            case ValueKind::Text: return TextExpression(choice, depth);
            case ValueKind::Void: break;
        }
        return Literal(kind);
    }

    std::string IntExpression(int choice, int depth) {
        static const char* const kOperators[] = {" + ", " - ", " * ", " / ", " % "};
        if (choice == 3) return "(" + Expression(ValueKind::Text, depth + 1) + ").atol()";
        if (choice == 4) return "int(" + Expression(ValueKind::Float, depth + 1) + ")";
        return "(" + Expression(ValueKind::Int, depth + 1) + kOperators[bytes.Pick(5)] +
               Expression(ValueKind::Int, depth + 1) + ")";
    }

    std::string FloatExpression(int choice, int depth) {
        static const char* const kOperators[] = {" + ", " - ", " * ", " / "};
        if (choice == 3) return "float(" + Expression(ValueKind::Int, depth + 1) + ")";
        return "(" + Expression(ValueKind::Float, depth + 1) + kOperators[bytes.Pick(4)] +
               Expression(ValueKind::Float, depth + 1) + ")";
    }

    std::string BoolExpression(int choice, int depth) {
        static const char* const kComparisons[] = {" < ", " == ", " != ", " >= "};
        if (choice == 3) {
            return "(" + Expression(ValueKind::Int, depth + 1) + kComparisons[bytes.Pick(4)] +
                   Expression(ValueKind::Int, depth + 1) + ")";
        }
        if (choice == 4) {
            return "(" + Expression(ValueKind::Text, depth + 1) + kComparisons[bytes.Pick(4)] +
                   Expression(ValueKind::Text, depth + 1) + ")";
        }
        return "!(" + Expression(ValueKind::Bool, depth + 1) + ")";
    }

    std::string TextExpression(int choice, int depth) {
        if (choice == 3) {
            return "(" + Expression(ValueKind::Text, depth + 1) + " + " + Expression(ValueKind::Text, depth + 1) + ")";
        }
        if (choice == 4) {
            return "(" + Expression(ValueKind::Text, depth + 1) + ")." + (bytes.Pick(2) == 0 ? "Left(" : "Right(") +
                   Expression(ValueKind::Int, depth + 1) + ")";
        }
        return "(" + Expression(ValueKind::Text, depth + 1) + ").Mid(" + Expression(ValueKind::Int, depth + 1) + ", " +
               Expression(ValueKind::Int, depth + 1) + ")";
    }

    std::string VariableOf(ValueKind kind) {
        std::vector<const Variable*> fitting;
        for (const Variable& local : scope) {
            if (local.kind == kind) fitting.push_back(&local);
        }
        for (const Variable& global : kGlobals) {
            if (global.kind == kind) fitting.push_back(&global);
        }
        if (fitting.empty()) return Literal(kind);
        return fitting[static_cast<size_t>(bytes.Byte()) % fitting.size()]->name;
    }

    std::string Literal(ValueKind kind) {
        switch (kind) {
            case ValueKind::Int: return std::to_string(bytes.Int());
            case ValueKind::Float: {
                char text[32];
                std::snprintf(text, sizeof text, "%d.%02df", static_cast<int8_t>(bytes.Byte()), bytes.Byte() % 100);
                return text;
            }
            case ValueKind::Bool: return bytes.Pick(2) == 0 ? "false" : "true";
            case ValueKind::Text: return TextLiteral();
            case ValueKind::Void: break;
        }
        return "0";
    }

    // Mostly the scene's own names; sometimes raw bytes of the input.
    std::string TextLiteral() {
        const int count = static_cast<int>(vocabulary.texts.size());
        const int choice = bytes.Pick(count + 1);
        if (choice < count) return Quoted(vocabulary.texts[static_cast<size_t>(choice)]);
        std::string raw;
        for (int length = bytes.Pick(12); length > 0; --length) {
            const char c = static_cast<char>(bytes.Byte());
            if (c != '\0') raw += c;
        }
        return Quoted(raw);
    }

    FuzzBytes& bytes;
    const std::vector<ScriptCallable>& callables;
    const ScriptVocabulary& vocabulary;
    std::vector<Variable> scope;
    int loops = 0;  // each loop counter has a name of its own
};

// Deletes, repeats or overwrites a stretch of the text, or drops a byte into it.
void EditRaw(FuzzBytes& bytes, std::string& text) {
    for (int edits = bytes.Pick(kMostEdits + 1); edits > 0 && !text.empty(); --edits) {
        const size_t at = (static_cast<size_t>(bytes.Byte()) << 8 | bytes.Byte()) % text.size();
        const size_t length = std::min(static_cast<size_t>(bytes.Pick(kMostEditLength) + 1), text.size() - at);
        switch (bytes.Pick(4)) {
            case 0: text.erase(at, length); break;
            case 1: text.insert(at, text.substr(at, length)); break;
            case 2: text[at] = static_cast<char>(bytes.Byte()); break;
            default: text.insert(text.begin() + static_cast<std::ptrdiff_t>(at), static_cast<char>(bytes.Byte())); break;
        }
    }
}

ValueKind KindOf(asIScriptEngine& engine, int typeId) {
    if (typeId == asTYPEID_VOID) return ValueKind::Void;
    if (typeId == asTYPEID_INT32) return ValueKind::Int;
    if (typeId == asTYPEID_FLOAT) return ValueKind::Float;
    if (typeId == asTYPEID_BOOL) return ValueKind::Bool;
    if (typeId == engine.GetTypeIdByDecl("LDvString")) return ValueKind::Text;
    return ValueKind::Void;
}

bool Writable(asIScriptEngine& engine, int typeId) {
    return typeId == asTYPEID_VOID || KindOf(engine, typeId) != ValueKind::Void;
}

}  // namespace

int32_t FuzzBytes::Int() {
    static constexpr int32_t kEdges[] = {0, 1, -1, 2, 100, 800, 450, -100000, 2147483647, -2147483647};
    const uint8_t first = Byte();
    if (first < 200) return first % 64;
    if (first < 230) return kEdges[first % std::size(kEdges)];
    return static_cast<int32_t>(static_cast<uint32_t>(Byte()) << 24 | static_cast<uint32_t>(Byte()) << 16 |
                                static_cast<uint32_t>(Byte()) << 8 | Byte());
}

std::vector<ScriptCallable> RegisteredCallables(asIScriptEngine& engine) {
    std::vector<ScriptCallable> callables;
    for (asUINT i = 0; i < engine.GetGlobalFunctionCount(); ++i) {
        asIScriptFunction* function = engine.GetGlobalFunctionByIndex(i);
        if (function == nullptr || !Writable(engine, function->GetReturnTypeId())) continue;
        ScriptCallable callable{function->GetName(), KindOf(engine, function->GetReturnTypeId()), {}};
        bool writable = true;
        for (asUINT p = 0; p < function->GetParamCount(); ++p) {
            int typeId = 0;
            function->GetParam(p, &typeId);
            writable = writable && typeId != asTYPEID_VOID && Writable(engine, typeId);
            callable.parameters.push_back(KindOf(engine, typeId));
        }
        if (writable) callables.push_back(std::move(callable));
    }
    return callables;
}

std::string GenerateSceneScript(FuzzBytes& bytes, const std::vector<ScriptCallable>& callables,
                                const ScriptVocabulary& vocabulary) {
    std::string script = Generator(bytes, callables, vocabulary).Script();
    EditRaw(bytes, script);
    return script;
}
