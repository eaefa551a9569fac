#include "platform/cad/SystemVariables.h"

#include "platform/cad/DbSymbolTable.h"
#include "platform/cad/Documents.h"
#include "platform/text/WideString.h"

#include <cwctype>

int acedGetVar(const wchar_t* name, resbuf* result) {
    return name && result ? cad::SystemVariables::Instance().Get(name, *result) : RTERROR;
}

int acedSetVar(const wchar_t* name, const resbuf* value) {
    return name && value ? cad::SystemVariables::Instance().Set(name, *value) : RTERROR;
}

namespace cad {

namespace {

std::wstring Upper(const std::wstring& name) {
    std::wstring upper = name;
    for (wchar_t& c : upper)
        c = static_cast<wchar_t>(std::towupper(c));
    return upper;
}

std::wstring DocumentFolder(const AcApDocument& document) {
    std::wstring folder;
    if (document.isTitled()) {
        std::wstring path = document.fileName();
        folder = path.substr(0, path.find_last_of(L'\\') + 1);
    } else {
        folder = acDocManager->drawingFolder();
    }
    if (folder.empty() || folder.back() != L'\\')
        folder += L'\\';
    return folder;
}

} // namespace

SystemVariables& SystemVariables::Instance() {
    static SystemVariables variables = [] {
        SystemVariables fresh;
        fresh.Reset();
        return fresh;
    }();
    return variables;
}

void SystemVariables::Reset() {
    m_settings = {
        {L"SDI", {0, 0, 1}},     {L"ISAVEBAK", {1, 0, 1}},      {L"CMDECHO", {1, 0, 1}},
        {L"FILEDIA", {1, 0, 1}}, {L"OSMODE", {4133, 0, 32767}},
    };
}

short SystemVariables::TypeOf(const std::wstring& name) const {
    std::wstring upper = Upper(name);
    if (m_settings.count(upper) || upper == L"DWGTITLED" || upper == L"DBMOD")
        return RTSHORT;
    if (upper == L"DWGNAME" || upper == L"DWGPREFIX" || upper == L"CLAYER" || upper == L"SAVENAME")
        return RTSTR;
    if (upper == L"VIEWSIZE")
        return RTREAL;
    if (upper == L"VIEWCTR")
        return RT3DPOINT;
    return RTNONE;
}

short SystemVariables::ShortValue(const std::wstring& name) const {
    auto found = m_settings.find(Upper(name));
    return found == m_settings.end() ? 0 : found->second.value;
}

int SystemVariables::Get(const std::wstring& name, resbuf& result) const {
    std::wstring upper = Upper(name);
    result = resbuf();
    if (auto found = m_settings.find(upper); found != m_settings.end()) {
        result = resbuf::Short(RTSHORT, found->second.value);
        return RTNORM;
    }
    AcApDocument* document = acDocManager->curDocument();
    if (!document || TypeOf(upper) == RTNONE)
        return RTERROR;
    if (upper == L"DWGTITLED")
        result = resbuf::Short(RTSHORT, document->isTitled() ? 1 : 0);
    else if (upper == L"DBMOD")
        result = resbuf::Short(RTSHORT, document->database()->isModified() ? 1 : 0);
    else if (upper == L"DWGNAME")
        result = resbuf::Text(RTSTR, document->docTitle());
    else if (upper == L"DWGPREFIX")
        result = resbuf::Text(RTSTR, DocumentFolder(*document));
    else if (upper == L"SAVENAME")
        result = resbuf::Text(RTSTR, document->saveName());
    else if (upper == L"CLAYER")
        result = resbuf::Text(RTSTR, RecordName(document->database()->clayer()));
    else if (upper == L"VIEWSIZE")
        result = resbuf::Real(RTREAL, document->viewHeight());
    else if (upper == L"VIEWCTR")
        result = resbuf::Point(RT3DPOINT, document->viewCenter());
    return RTNORM;
}

int SystemVariables::Set(const std::wstring& name, const resbuf& value) {
    std::wstring upper = Upper(name);
    if (auto found = m_settings.find(upper); found != m_settings.end()) {
        Setting& setting = found->second;
        if (value.restype != RTSHORT || value.resval.rint < setting.minimum ||
            value.resval.rint > setting.maximum)
            return RTERROR;
        if (upper == L"SDI" && value.resval.rint == 1 && acDocManager->documentCount() > 1)
            return RTERROR;
        setting.value = value.resval.rint;
        return RTNORM;
    }
    AcApDocument* document = acDocManager->curDocument();
    if (upper == L"CLAYER" && document && value.restype == RTSTR) {
        AcDbDatabase* database = document->database();
        AcDbObjectId layer = FindRecord(database->layerTableId(), value.resval.rstring);
        return !layer.isNull() && database->setClayer(layer) == Acad::eOk ? RTNORM : RTERROR;
    }
    return RTERROR;
}

} // namespace cad
