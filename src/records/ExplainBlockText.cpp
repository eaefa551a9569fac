#include "records/ExplainBlockText.h"

#include "drawing/EditOprt.h"
#include "platform/fs/FileSystem.h"
#include "platform/text/WideString.h"
#include "records/ExplainInfo.h"
#include "records/XmSbExplainInfo.h"
#include "suite/OvXmInfo/ManageFileText.h"

namespace explain {

namespace {

bool IsMarkerNoCase(const std::wstring& strLine, std::wstring_view marker) {
    return text::EqualsNoCase(strLine, marker);
}

bool IsAnyMarker(const std::wstring& strLine) {
    for (std::wstring_view marker : {xmfile::kBeginNote, xmfile::kEndNote, xmfile::kBeginOneNote,
                                     xmfile::kEndOneNote, xmfile::kBeginContent, xmfile::kEof})
        if (IsMarkerNoCase(strLine, marker))
            return true;
    return false;
}

std::vector<std::wstring> NoteLines(const std::vector<CExplainInfoNode>& entries) {
    std::vector<std::wstring> arrLines;
    for (const CExplainInfoNode& entry : entries) {
        if (IsEmptyEntry(entry.Getm_StrTitle(), entry.Getm_StrValue()))
            continue;
        arrLines.emplace_back(xmfile::kBeginOneNote);
        arrLines.push_back(xmfile::SingleLine(entry.Getm_StrTitle()));
        arrLines.push_back(xmfile::SingleLine(entry.Getm_StrValue()));
        arrLines.emplace_back(xmfile::kEndOneNote);
    }
    return arrLines;
}

} // namespace

std::vector<CExplainInfoNode> ParseExplainLines(std::vector<std::wstring>& arrLines,
                                                int bEmptyQuantities) {
    std::vector<CExplainInfoNode> entries;
    if (arrLines.empty() || !IsMarkerNoCase(arrLines.front(), xmfile::kBeginNote))
        return entries;
    size_t i = 0;
    while (i < arrLines.size()) {
        const std::wstring& strLine = arrLines[i];
        // A block that lost its end marker must not take the content section with it.
        if (IsMarkerNoCase(strLine, xmfile::kBeginContent) || IsMarkerNoCase(strLine, xmfile::kEof))
            break;
        ++i;
        if (IsMarkerNoCase(strLine, xmfile::kEndNote))
            break;
        if (IsMarkerNoCase(strLine, xmfile::kBeginNote) ||
            IsMarkerNoCase(strLine, xmfile::kBeginOneNote) ||
            IsMarkerNoCase(strLine, xmfile::kEndOneNote))
            continue;
        // A title directly followed by a marker has an empty value; the marker keeps its role.
        std::wstring strValue;
        if (i < arrLines.size() && !IsAnyMarker(arrLines[i]))
            strValue = arrLines[i++];
        if (bEmptyQuantities && strLine.find(kEquipmentCount) != std::wstring::npos)
            strValue.clear();
        entries.emplace_back(strLine, strValue);
    }
    arrLines.erase(arrLines.begin(), arrLines.begin() + static_cast<std::ptrdiff_t>(i));
    return entries;
}

std::vector<std::wstring> BuildExplainLines(const std::vector<CExplainInfoNode>& entries) {
    std::vector<std::wstring> arrLines;
    xmfile::AppendExplainBlock(entries, arrLines);
    return arrLines;
}

int InsertExplainInfoAtTop(const std::wstring& strManageFilePathName,
                           const std::vector<CExplainInfoNode>& entries) {
    std::vector<std::wstring> arrRead;
    if (!CEditOprt::ReadLines(strManageFilePathName, arrRead, 1))
        return 0;
    // Blank lines go, except inside notes: there a blank line is an empty title or value, and
    // dropping it would shift the note's lines.
    std::vector<std::wstring> arrLines;
    bool bInNote = false;
    for (std::wstring& strLine : arrRead) {
        if (IsMarkerNoCase(strLine, xmfile::kBeginOneNote))
            bInNote = true;
        else if (IsMarkerNoCase(strLine, xmfile::kEndOneNote))
            bInNote = false;
        if (!strLine.empty() || bInNote)
            arrLines.push_back(std::move(strLine));
    }
    if (arrLines.empty() || !IsMarkerNoCase(arrLines.front(), xmfile::kBeginNote))
        return 0;
    std::vector<std::wstring> arrNotes = NoteLines(entries);
    arrLines.insert(arrLines.begin() + 1, arrNotes.begin(), arrNotes.end());
    return CEditOprt::WriteLines(strManageFilePathName, arrLines);
}

int PushProjectValuesToEquipments(const std::wstring& strProjectManageFile) {
    CXmSbExplainInfo project(strProjectManageFile);
    project.ReadExplainInfo();
    if (project.Getm_ExplainInfoArray().empty())
        return 0;
    int nWritten = 0;
    std::wstring strFolder = CEditOprt::GetParentPath(strProjectManageFile);
    for (const std::wstring& strSub :
         fs::FindMatches(CEditOprt::JoinPath(strFolder, L"*"), fs::EntryKind::Folders)) {
        std::wstring strFile =
            CEditOprt::JoinPath(strSub, CEditOprt::GetLastPathItem(strSub) + L".prj");
        std::vector<std::wstring> arrLines;
        if (!fs::IsFile(strFile) || !CEditOprt::ReadLines(strFile, arrLines, 1))
            continue;
        bool bHasBlock = !arrLines.empty() && arrLines.front() == xmfile::kBeginNote;
        for (const CExplainInfo& entry : project.Getm_ExplainInfoArray()) {
            if (!bHasBlock || !IsProjectLevelTitle(entry.Getm_StrTitle()))
                continue;
            for (size_t i = 1; i < arrLines.size() && arrLines[i] != xmfile::kEndNote; ++i) {
                if (arrLines[i] != xmfile::kBeginOneNote || i + 1 >= arrLines.size() ||
                    !text::EqualsNoCase(arrLines[i + 1], entry.Getm_StrTitle()))
                    continue;
                std::wstring strValue = xmfile::SingleLine(entry.Getm_StrValue());
                // A note without its value line gets one; its end marker stays.
                if (i + 2 >= arrLines.size() || arrLines[i + 2] == xmfile::kEndOneNote)
                    arrLines.insert(arrLines.begin() + static_cast<std::ptrdiff_t>(i + 2),
                                    strValue);
                else
                    arrLines[i + 2] = strValue;
                break;
            }
        }
        nWritten += CEditOprt::WriteLines(strFile, arrLines);
    }
    return nWritten;
}

} // namespace explain
