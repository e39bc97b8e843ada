// Just enough JSON for vantorctl's output: escaped strings and a writer that
// places commas.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace vantorctl {

// A JSON string literal: quotes, backslashes and control characters escaped;
// bytes above 0x7F (firmware text is ANSI) become \u00XX.
inline std::string JsonString(std::string_view text)
{
    std::string out = "\"";
    for (unsigned char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (c < 0x20 || c > 0x7E) {
                char escape[8];
                std::snprintf(escape, sizeof escape, "\\u%04X", c);
                out += escape;
            } else {
                out += static_cast<char>(c);
            }
        }
    }
    return out + "\"";
}

// Writes one JSON object's members: Key(name) then a value.
class JsonObject {
public:
    JsonObject& Key(std::string_view name)
    {
        m_text += m_first ? "" : ", ";
        m_first = false;
        m_text += JsonString(name) + ": ";
        return *this;
    }
    JsonObject& String(std::string_view name, std::string_view value) { return Raw(name, JsonString(value)); }
    JsonObject& Number(std::string_view name, long long value) { return Raw(name, std::to_string(value)); }
    JsonObject& Bool(std::string_view name, bool value) { return Raw(name, value ? "true" : "false"); }
    JsonObject& Raw(std::string_view name, std::string_view json)
    {
        Key(name);
        m_text += json;
        return *this;
    }
    std::string Text() const { return "{" + m_text + "}"; }

private:
    std::string m_text;
    bool m_first = true;
};

// "[a, b, c]" from already-encoded members.
template <typename Container>
std::string JsonArray(const Container& members)
{
    std::string out = "[";
    bool first = true;
    for (const auto& member : members) {
        out += first ? "" : ", ";
        first = false;
        out += member;
    }
    return out + "]";
}

}  // namespace vantorctl
