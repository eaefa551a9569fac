#include "suite/OvXmInfo/AllStyNameInfo.h"

#include "platform/cad/CommandLine.h"
#include "platform/text/TextFile.h"
#include "platform/text/WideString.h"
#include "suite/OvXmInfo/XmInfoPath.h"

#include <unordered_set>

int CAllStyNameInfo::SetStyleFileName(const std::wstring& strFolder) {
    m_strStyleFolder = strFolder;
    m_arrStyleNames.clear();
    std::wstring strPath = xmpath::Join(strFolder, kStyleFileName);
    std::vector<std::wstring> arrLines;
    text::TextFileStatus status;
    if (!text::ReadTextLines(strPath, arrLines, &status)) {
        acutPrintf(L"%s 文件打不开，错误码为 %d\n", strPath, status.cause);
        return 0;
    }
    SetStyleLines(arrLines);
    return 1;
}

void CAllStyNameInfo::SetStyleLines(const std::vector<std::wstring>& arrLines) {
    m_arrStyleNames.clear();
    std::unordered_set<std::wstring> seen;
    for (const std::wstring& rawLine : arrLines) {
        std::wstring strLine = text::Trim(rawLine);
        if (strLine.empty() || strLine.front() == L';' || strLine.front() == L'#')
            continue;
        size_t equals = strLine.find(L'=');
        std::wstring strSysName = text::Trim(strLine.substr(0, equals));
        std::wstring strDisplayName =
            equals == std::wstring::npos ? std::wstring() : text::Trim(strLine.substr(equals + 1));
        // A name with "<" could not be stored in a management file's content section.
        if (strSysName.empty() || strSysName.find(L'<') != std::wstring::npos ||
            strDisplayName.find(L'<') != std::wstring::npos)
            continue;
        if (seen.insert(strSysName).second)
            m_arrStyleNames.emplace_back(strDisplayName, strSysName);
    }
}

void CAllStyNameInfo::GetDisplayNameStrArray(std::vector<std::wstring>& arrNames) const {
    arrNames.clear();
    for (const CStyleNameNode& name : m_arrStyleNames)
        arrNames.push_back(name.GetstrDisplayName());
}

std::wstring CAllStyNameInfo::FindDisplayNameBySysName(const std::wstring& strSysName) const {
    for (const CStyleNameNode& name : m_arrStyleNames)
        if (name.GetstrSysTypeName() == strSysName)
            return name.GetstrDisplayName();
    return {};
}

std::wstring CAllStyNameInfo::FindSysNameByDisplayName(const std::wstring& strDisplayName) const {
    if (strDisplayName.empty())
        return {};
    for (const CStyleNameNode& name : m_arrStyleNames)
        if (name.GetstrDisplayName() == strDisplayName)
            return name.GetstrSysTypeName();
    return {};
}
