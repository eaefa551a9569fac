#pragma once
// One JSON object on one line, as the support tools print what they read. A value that was not
// read is null.

#include <optional>
#include <string>
#include <string_view>

class JsonObject {
public:
    JsonObject& Text(std::string_view key, const std::wstring& value);
    // Bytes of a file (a version field): printable ASCII as it is, other bytes as \u00XX.
    JsonObject& Bytes(std::string_view key, const std::optional<std::string>& value);
    JsonObject& Bool(std::string_view key, std::optional<bool> value);
    JsonObject& Integer(std::string_view key, std::optional<long long> value);
    JsonObject& Number(std::string_view key, std::optional<double> value);
    // An already formatted value (an array of objects).
    JsonObject& Raw(std::string_view key, std::string_view json);

    std::string Str() const { return "{" + m_members + "}"; }

private:
    JsonObject& Member(std::string_view key, std::string_view json);
    std::string m_members;
};
