#include "Json.h"

#include "platform/text/Utf8.h"

#include <cmath>
#include <fmt/format.h>

namespace {

// Quotes UTF-8 text: quote, backslash and control characters escaped, the rest as it is.
std::string Quoted(std::string_view utf8, bool asciiOnly) {
    std::string out = "\"";
    for (char c : utf8) {
        auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\')
            out += {'\\', c};
        else if (byte < 0x20 || byte == 0x7F || (asciiOnly && byte >= 0x80))
            out += fmt::format("\\u{:04x}", byte);
        else
            out += c;
    }
    return out + "\"";
}

} // namespace

JsonObject& JsonObject::Member(std::string_view key, std::string_view json) {
    if (!m_members.empty())
        m_members += ",";
    m_members += Quoted(key, true) + ":" + std::string(json);
    return *this;
}

JsonObject& JsonObject::Text(std::string_view key, const std::wstring& value) {
    return Member(key, Quoted(text::ToUtf8(value), false));
}

JsonObject& JsonObject::Bytes(std::string_view key, const std::optional<std::string>& value) {
    return Member(key, value ? Quoted(*value, true) : "null");
}

JsonObject& JsonObject::Bool(std::string_view key, std::optional<bool> value) {
    return Member(key, !value ? "null" : *value ? "true" : "false");
}

JsonObject& JsonObject::Integer(std::string_view key, std::optional<long long> value) {
    return Member(key, value ? std::to_string(*value) : "null");
}

JsonObject& JsonObject::Number(std::string_view key, std::optional<double> value) {
    // JSON has no infinity nor NaN; such a number was not really read.
    return Member(key, value && std::isfinite(*value) ? fmt::format("{}", *value) : "null");
}

JsonObject& JsonObject::Raw(std::string_view key, std::string_view json) {
    return Member(key, json);
}
