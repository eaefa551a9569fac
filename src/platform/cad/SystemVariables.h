#pragma once
// System variables the module reads and sets. Settings (SDI, ISAVEBAK, CMDECHO, FILEDIA,
// OSMODE) are kept by the host; the others describe the current document (DWGTITLED,
// DWGNAME, DWGPREFIX, SAVENAME, DBMOD, VIEWCTR, VIEWSIZE are read-only, CLAYER names its current
// layer). Names ignore case.

#include "platform/cad/ResultBuffer.h"

#include <map>
#include <string>

// RTNORM with the value, RTERROR for an unknown name or when no document is open.
int acedGetVar(const wchar_t* name, resbuf* result);
// RTNORM, or RTERROR for an unknown or read-only name, a value of the wrong type or out of
// range, SDI 1 while several documents are open, or a layer the drawing does not have.
int acedSetVar(const wchar_t* name, const resbuf* value);

namespace cad {

class SystemVariables {
public:
    static SystemVariables& Instance();
    // The settings' start values.
    void Reset();
    // The value type (RTSHORT, RTSTR, RTREAL, RT3DPOINT) or RTNONE for an unknown name.
    short TypeOf(const std::wstring& name) const;
    // A setting's value (0 for unknown names).
    short ShortValue(const std::wstring& name) const;

    int Get(const std::wstring& name, resbuf& result) const;
    int Set(const std::wstring& name, const resbuf& value);

private:
    struct Setting {
        short value;
        short minimum;
        short maximum;
    };
    std::map<std::wstring, Setting> m_settings; // keyed in upper case
};

} // namespace cad
