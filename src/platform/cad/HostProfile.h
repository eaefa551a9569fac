#pragma once
// The host's profile: environment values that outlive a session (the CAD program keeps them in
// its registry profile), such as "DefaultFormatForSave". They are kept in a UTF-8 text file of
// "Name=Value" lines; each change is written at once, by safe replacement of the file.

#include "platform/cad/ErrorStatus.h"

#include <map>
#include <string>
#include <string_view>

// RTNORM with the value, or RTERROR when the profile has no such value.
int acedGetEnv(const wchar_t* name, std::wstring& value);
// RTNORM, or RTERROR (and the value unchanged) when the profile file cannot be written.
int acedSetEnv(const wchar_t* name, const wchar_t* value);

namespace cad {

class HostProfile {
public:
    static HostProfile& Instance();

    // Takes the values of the file (a missing file starts a new profile with the defaults).
    // False when the file exists but cannot be read; the defaults are used then.
    bool Load(const std::wstring& logicalPath);
    // Back to the defaults, kept in memory only (tests, a host without a profile file).
    void Reset();
    const std::wstring& Path() const { return m_path; }

    bool Get(const std::wstring& name, std::wstring& value) const;
    bool Set(const std::wstring& name, const std::wstring& value);

private:
    struct NoCase {
        bool operator()(const std::wstring& a, const std::wstring& b) const;
    };
    std::wstring m_path;
    std::map<std::wstring, std::wstring, NoCase> m_values;
};

// The DWG version a "DefaultFormatForSave" value stands for: "8" R14, "12" 2000, "24" 2004,
// "36" 2007, anything else 2010.
AcDb::AcDbDwgVersion DwgVersionForSaveFormat(std::wstring_view value);
// The version the profile's "DefaultFormatForSave" asks for.
AcDb::AcDbDwgVersion DefaultSaveVersion();

} // namespace cad
