#include "platform/cad/HostProfile.h"

#include "platform/fs/FileIo.h"
#include "platform/fs/FileSystem.h"
#include "platform/text/Utf8.h"
#include "platform/text/WideString.h"

int acedGetEnv(const wchar_t* name, std::wstring& value) {
    value.clear();
    return name && cad::HostProfile::Instance().Get(name, value) ? RTNORM : RTERROR;
}

int acedSetEnv(const wchar_t* name, const wchar_t* value) {
    return name && *name && value && cad::HostProfile::Instance().Set(name, value) ? RTNORM
                                                                                   : RTERROR;
}

namespace cad {

bool HostProfile::NoCase::operator()(const std::wstring& a, const std::wstring& b) const {
    return text::CompareNoCase(a, b) < 0;
}

HostProfile& HostProfile::Instance() {
    static HostProfile profile = [] {
        HostProfile fresh;
        fresh.Reset();
        return fresh;
    }();
    return profile;
}

void HostProfile::Reset() {
    m_path.clear();
    m_values.clear();
    m_values[L"DefaultFormatForSave"] = L"48";
}

bool HostProfile::Load(const std::wstring& logicalPath) {
    Reset();
    m_path = logicalPath;
    if (!fs::IsFile(logicalPath))
        return true;
    std::string bytes;
    if (!fs::ReadBytes(logicalPath, bytes))
        return false;
    for (const std::wstring& line : text::Split(text::FromUtf8(bytes), L"\n")) {
        std::wstring trimmed = text::Trim(line);
        size_t equals = trimmed.find(L'=');
        if (trimmed.empty() || trimmed[0] == L'#' || trimmed[0] == L';' ||
            equals == std::wstring::npos || equals == 0)
            continue;
        m_values[text::Trim(trimmed.substr(0, equals))] = text::Trim(trimmed.substr(equals + 1));
    }
    return true;
}

bool HostProfile::Get(const std::wstring& name, std::wstring& value) const {
    auto found = m_values.find(name);
    if (found == m_values.end())
        return false;
    value = found->second;
    return true;
}

bool HostProfile::Set(const std::wstring& name, const std::wstring& value) {
    if (name.find_first_of(L"=\r\n") != std::wstring::npos ||
        value.find_first_of(L"\r\n") != std::wstring::npos)
        return false;
    std::map<std::wstring, std::wstring, NoCase> values = m_values;
    values[name] = value;
    if (!m_path.empty()) {
        std::wstring content = L"# The stand-in CAD host's profile (environment values), UTF-8.\n";
        for (const auto& [key, entry] : values)
            content += key + L"=" + entry + L"\n";
        if (!fs::WriteBytes(m_path, text::ToUtf8(content)))
            return false;
    }
    m_values = std::move(values);
    return true;
}

AcDb::AcDbDwgVersion DwgVersionForSaveFormat(std::wstring_view value) {
    if (value == L"8")
        return AcDb::kDHL_1014;
    if (value == L"12")
        return AcDb::kDHL_1015;
    if (value == L"24")
        return AcDb::kDHL_1800;
    if (value == L"36")
        return AcDb::kDHL_2100;
    return AcDb::kDHL_2400;
}

AcDb::AcDbDwgVersion DefaultSaveVersion() {
    std::wstring value;
    HostProfile::Instance().Get(L"DefaultFormatForSave", value);
    return DwgVersionForSaveFormat(value);
}

} // namespace cad
