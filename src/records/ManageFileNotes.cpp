#include "records/ManageFileNotes.h"

#include "platform/text/TextFile.h"
#include "platform/text/WideString.h"

namespace {

const wchar_t* const kSectionBegin = L"$BEGIN NOTE OF PRJ";
const wchar_t* const kSectionEnd = L"$END NOTE OF PRJ";
const wchar_t* const kNoteBegin = L"$BEGIN_ONE_NOTE";
const wchar_t* const kNoteEnd = L"$END_ONE_NOTE";

bool IsMarker(const std::wstring& strLine, const wchar_t* strMarker) {
    return text::EqualsNoCase(text::Trim(strLine), strMarker);
}

bool IsLabelLine(const std::wstring& strLine) {
    return text::StartsWith(strLine, L"原理图标号") || text::StartsWith(strLine, L"代表标号");
}

// The index of the section's first line, or the number of lines when there is none.
size_t SectionStart(const std::vector<std::wstring>& arrLines) {
    for (size_t i = 0; i < arrLines.size(); ++i)
        if (IsMarker(arrLines[i], kSectionBegin))
            return i;
    return arrLines.size();
}

} // namespace

std::vector<std::wstring> ReadLabelNoteLines(const std::wstring& strManageFile) {
    std::vector<std::wstring> arrLines;
    std::vector<std::wstring> arrLabels;
    if (!text::ReadTextLines(strManageFile, arrLines))
        return arrLabels;
    bool bInSection = false;
    bool bInNote = false;
    for (const std::wstring& strLine : arrLines) {
        if (!bInSection) {
            bInSection = IsMarker(strLine, kSectionBegin);
            continue;
        }
        if (IsMarker(strLine, kSectionEnd))
            break;
        if (IsMarker(strLine, kNoteBegin) || IsMarker(strLine, kNoteEnd)) {
            bInNote = IsMarker(strLine, kNoteBegin);
            continue;
        }
        if (IsLabelLine(strLine))
            arrLabels.push_back(strLine);
        else if (bInNote)
            break;
    }
    return arrLabels;
}

int RestoreLabelNoteLines(const std::wstring& strManageFile,
                          const std::vector<std::wstring>& arrBefore) {
    if (arrBefore.empty() || !ReadLabelNoteLines(strManageFile).empty())
        return 0;
    std::vector<std::wstring> arrLines;
    if (!text::ReadTextLines(strManageFile, arrLines))
        return 0;
    size_t nSection = SectionStart(arrLines);
    if (nSection == arrLines.size())
        return 0;
    std::vector<std::wstring> arrBlocks;
    for (size_t i = 0; i < arrBefore.size(); i += 2)
        arrBlocks.insert(arrBlocks.end(),
                         {kNoteBegin, arrBefore[i],
                          i + 1 < arrBefore.size() ? arrBefore[i + 1] : std::wstring(), kNoteEnd});
    arrLines.insert(arrLines.begin() + static_cast<std::ptrdiff_t>(nSection) + 1, arrBlocks.begin(),
                    arrBlocks.end());
    return text::WriteTextLines(strManageFile, arrLines) ? 1 : 0;
}

bool FillDescriptionValues(std::vector<CExplainInfoNode>& arrEntries,
                           const std::vector<std::pair<std::wstring, std::wstring>>& arrPairs) {
    bool bChanged = false;
    std::vector<CExplainInfoNode> arrMissing;
    for (const auto& [strTitle, strValue] : arrPairs) {
        if (text::Trim(strValue).empty())
            continue;
        bool bFound = false;
        for (CExplainInfoNode& entry : arrEntries) {
            if (entry.Getm_StrTitle() != strTitle)
                continue;
            bFound = true;
            if (text::Trim(entry.Getm_StrValue()).empty()) {
                entry.Setm_StrValue(strValue);
                bChanged = true;
            }
        }
        if (!bFound)
            arrMissing.emplace_back(strTitle, strValue);
    }
    if (!arrMissing.empty()) {
        arrEntries.insert(arrEntries.begin(), arrMissing.begin(), arrMissing.end());
        bChanged = true;
    }
    return bChanged;
}
