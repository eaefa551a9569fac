#include "server/OperateVersionFile.h"

#include "drawing/EditOprt.h"
#include "platform/text/Format.h"
#include "platform/text/TextFile.h"
#include "platform/text/WideString.h"
#include "suite/Ov2002GetInstallPath/Ov2002GetInstallPath.h"

#include <algorithm>
#include <ctime>

namespace {

bool IsNumber(const std::wstring& field) {
    return !field.empty() && std::all_of(field.begin(), field.end(),
                                         [](wchar_t c) { return c >= L'0' && c <= L'9'; });
}

// The stamp one second later: the last field counted up, carrying past 99.
std::wstring IncrementStamp(std::wstring_view stamp) {
    std::vector<std::wstring> fields = text::Split(stamp, L",");
    if (fields.size() < 2 || !std::all_of(fields.begin(), fields.end(), IsNumber)) {
        // Not a stamp of ours (an older client may have written another form): count up its
        // last two characters the way a well-formed stamp's seconds are.
        if (stamp.size() < 3)
            return std::wstring(stamp) + L",01";
        return std::wstring(stamp.substr(0, stamp.size() - 3)) + L"," +
               text::Format(L"%2.2d", text::ToInt(stamp.substr(stamp.size() - 2)) + 1);
    }
    for (size_t i = fields.size() - 1;; --i) {
        // A field of more digits than an int holds reads as the largest int: one more must
        // not overflow.
        long long value = text::ToInt(fields[i]) + 1LL;
        if (i > 0 && value > 99) {
            fields[i] = L"00";
            continue;
        }
        fields[i] = text::Format(i == 0 ? L"%4.4d" : L"%2.2d", value);
        break;
    }
    return text::Join(fields, L",");
}

} // namespace

STRUCT_FILE_INFO ParseCatalogueEntry(std::wstring_view line) {
    std::vector<std::wstring> fields = text::Split(text::Trim(line), L"|");
    STRUCT_FILE_INFO entry;
    entry.m_strFile = fields[0];
    if (fields.size() > 1)
        entry.m_strTime = fields[1];
    if (fields.size() > 2) {
        fields.erase(fields.begin(), fields.begin() + 2);
        entry.m_strOprt = text::Join(fields, L"|");
    }
    return entry;
}

bool IsVersionLine(std::wstring_view line) {
    return line.find(kVersionLinePrefix) != std::wstring_view::npos;
}

std::vector<std::wstring> CatalogueEntryLines(const std::vector<std::wstring>& lines) {
    std::vector<std::wstring> entries;
    for (size_t i = 0; i < lines.size(); ++i) {
        std::wstring line = text::Trim(lines[i]);
        // Only the first line is the version line; were it missing, the first entry must not
        // be taken for it and lost at the next rewrite.
        if (line.empty() || (i == 0 && IsVersionLine(line)))
            continue;
        entries.push_back(std::move(line));
    }
    return entries;
}

std::wstring NextVersionStamp(std::wstring_view oldStamp, std::wstring_view now) {
    if (text::CompareNoCase(oldStamp, now) < 0)
        return std::wstring(now);
    std::wstring next = IncrementStamp(oldStamp);
    if (text::CompareNoCase(next, oldStamp) <= 0)
        next = std::wstring(oldStamp) + L",01";
    return next;
}

COperateVersionFile::COperateVersionFile(std::wstring strPath) : m_strPath(std::move(strPath)) {}

void COperateVersionFile::ClearEntries() {
    m_arrEntries.clear();
}

void COperateVersionFile::LoadCatalogue() {
    std::vector<std::wstring> lines;
    if (!CEditOprt::IsFileExist(m_strPath) || !text::ReadTextLines(m_strPath, lines))
        return;
    for (const std::wstring& line : CatalogueEntryLines(lines))
        m_arrEntries.push_back(ParseCatalogueEntry(line));
}

int COperateVersionFile::RemoveEntries(const std::vector<std::wstring>& arrFiles) {
    if (arrFiles.empty())
        return 0;
    for (const std::wstring& strFile : arrFiles) {
        auto found = std::find_if(m_arrEntries.begin(), m_arrEntries.end(),
                                  [&](const STRUCT_FILE_INFO& entry) {
                                      return text::EqualsNoCase(entry.m_strFile, strFile);
                                  });
        if (found != m_arrEntries.end())
            m_arrEntries.erase(found);
    }
    return 1;
}

int COperateVersionFile::WriteCatalogue(const std::vector<std::wstring>& arrFiles,
                                        const std::vector<std::wstring>& arrOprts) {
    std::wstring strStamp = GetVersionStamp();
    std::wstring strFirstLine;
    if (CEditOprt::ReadFirstLine(m_strPath, strFirstLine) && IsVersionLine(strFirstLine)) {
        std::wstring strOld = text::Trim(
            strFirstLine.substr(strFirstLine.find(kVersionLinePrefix) + kVersionLinePrefix.size()));
        strStamp = NextVersionStamp(strOld, strStamp);
    }
    std::wstring strVersionLine = std::wstring(kVersionLinePrefix) + strStamp;

    if (arrFiles.size() == 1 && text::EqualsNoCase(arrFiles[0], kMainLibFile))
        CEditOprt::WriteTextFile(CEditOprt::JoinPath(GetInstallPath_TL(), L"Client_PartLib.xml"),
                                 strVersionLine);

    for (size_t i = 0; i < arrFiles.size(); ++i) {
        std::wstring strOprt = i < arrOprts.size() ? arrOprts[i] : std::wstring();
        m_arrEntries.insert(m_arrEntries.begin(), {arrFiles[i], strStamp, strOprt});
    }

    std::wstring strText = strVersionLine + L"\n";
    for (size_t i = 0; i < m_arrEntries.size(); ++i) {
        const STRUCT_FILE_INFO& entry = m_arrEntries[i];
        strText += text::Format(i + 1 < m_arrEntries.size() ? L"%s|%s|%s\n" : L"%s|%s|%s",
                                entry.m_strFile, entry.m_strTime, entry.m_strOprt);
    }
    return text::WriteTextFile(m_strPath, strText) ? 1 : 0;
}

int COperateVersionFile::UpdateCatalogue(const std::wstring& strFile, const std::wstring& strOprt) {
    return UpdateCatalogue(std::vector<std::wstring>{strFile}, std::vector<std::wstring>{strOprt});
}

int COperateVersionFile::UpdateCatalogue(const std::vector<std::wstring>& arrFiles,
                                         const std::vector<std::wstring>& arrOprts) {
    ClearEntries();
    LoadCatalogue();
    RemoveEntries(arrFiles);
    return WriteCatalogue(arrFiles, arrOprts);
}

std::wstring COperateVersionFile::GetVersionStamp() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return text::Format(L"%4.4d,%2.2d,%2.2d,%2.2d,%2.2d,%2.2d", local.tm_year + 1900,
                        local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
}
