#include "records/DrawingRecordEdit.h"

#include "platform/cad/CommandLine.h"
#include "platform/fs/FileSystem.h"
#include "platform/text/TextFile.h"
#include "platform/text/WideString.h"
#include "suite/OvXmInfo/ManageFileText.h"

#include <algorithm>

namespace {

bool IsMarker(const std::wstring& strLine, std::wstring_view marker) {
    return text::EqualsNoCase(text::Trim(strLine), marker);
}

bool IsTypeHeader(const std::wstring& strLine) {
    return strLine.find(L'<') == std::wstring::npos &&
           (strLine.find(L':') != std::wstring::npos || strLine.find(L'：') != std::wstring::npos);
}

// The drawing a record line names.
std::wstring RecordName(const std::wstring& strLine) {
    return strLine.substr(0, strLine.find(L'<'));
}

std::wstring RecordRemark(const std::wstring& strLine) {
    size_t open = strLine.find(L'<');
    if (open == std::wstring::npos)
        return {};
    std::wstring strRest = strLine.substr(open + 1);
    if (!strRest.empty() && strRest.back() == L'>')
        strRest.pop_back();
    return strRest;
}

// The lines from the start of the content section to its end (end excluded), as indices.
void ContentRange(const std::vector<std::wstring>& arrLines, size_t& first, size_t& last) {
    first = last = arrLines.size();
    for (size_t i = 0; i < arrLines.size(); ++i) {
        if (first == arrLines.size() && IsMarker(arrLines[i], xmfile::kBeginContent)) {
            first = i + 1;
        } else if (first != arrLines.size() && IsMarker(arrLines[i], xmfile::kEndContent)) {
            last = i;
            return;
        }
    }
}

bool Read(const std::wstring& strManageFile, std::vector<std::wstring>& arrLines) {
    text::TextFileStatus status;
    if (text::ReadTextLines(strManageFile, arrLines, &status))
        return true;
    acutPrintf(L"%s 文件打不开，错误码为 %d\n", strManageFile, status.cause);
    return false;
}

bool Write(const std::wstring& strManageFile, const std::vector<std::wstring>& arrLines) {
    text::TextFileStatus status;
    if (text::WriteTextLines(strManageFile, arrLines, &status))
        return true;
    acutPrintf(L"%s 文件不能写入，错误码为 %d\n", strManageFile, status.cause);
    return false;
}

} // namespace

int RemoveDrawingRecords(const std::wstring& strManageFile,
                         const std::vector<std::wstring>& arrNames,
                         std::vector<std::wstring>* pRemarks) {
    if (pRemarks)
        pRemarks->assign(arrNames.size(), std::wstring());
    std::vector<std::wstring> arrLines;
    if (!Read(strManageFile, arrLines))
        return 0;
    std::vector<bool> found(arrNames.size(), false);
    size_t first, last;
    ContentRange(arrLines, first, last);
    std::vector<std::wstring> arrKept;
    arrKept.reserve(arrLines.size());
    bool bChanged = false;
    for (size_t i = 0; i < arrLines.size(); ++i) {
        const std::wstring& strLine = arrLines[i];
        if (i >= first && i < last && !IsTypeHeader(strLine)) {
            std::wstring strName = text::Trim(RecordName(strLine));
            auto match = std::find_if(arrNames.begin(), arrNames.end(), [&](const auto& name) {
                return text::EqualsNoCase(name, strName);
            });
            if (match != arrNames.end()) {
                size_t index = static_cast<size_t>(match - arrNames.begin());
                if (pRemarks && !found[index])
                    (*pRemarks)[index] = RecordRemark(strLine);
                found[index] = true;
                bChanged = true;
                continue;
            }
        }
        arrKept.push_back(strLine);
    }
    return !bChanged || Write(strManageFile, arrKept) ? 1 : 0;
}

int InsertDrawingRecord(const std::wstring& strManageFile, const std::wstring& strSysType,
                        const std::wstring& strName, const std::wstring& strRemark) {
    std::vector<std::wstring> arrLines;
    if (!Read(strManageFile, arrLines))
        return 0;
    size_t first, last;
    ContentRange(arrLines, first, last);
    if (first == arrLines.size()) {
        // No content section: one is made before "$EOF" (or at the end).
        size_t at = arrLines.size();
        for (size_t i = 0; i < arrLines.size(); ++i)
            if (IsMarker(arrLines[i], xmfile::kEof))
                at = i;
        arrLines.insert(arrLines.begin() + static_cast<std::ptrdiff_t>(at),
                        {std::wstring(xmfile::kBeginContent), std::wstring(xmfile::kEndContent)});
        first = last = at + 1;
    }
    std::wstring strLine = xmfile::FileLine(strName, strRemark);
    size_t at = first;
    if (!strSysType.empty()) {
        at = last;
        for (size_t i = first; i < last && at == last; ++i) {
            std::wstring strHeader = text::TrimRight(arrLines[i]);
            if (strHeader == strSysType + L":" || strHeader == strSysType + L"：")
                at = i + 1;
        }
        if (at == last) {
            arrLines.insert(arrLines.begin() + static_cast<std::ptrdiff_t>(last),
                            xmfile::StyleHeaderLine(strSysType));
            at = last + 1;
        }
    }
    arrLines.insert(arrLines.begin() + static_cast<std::ptrdiff_t>(at), strLine);
    return Write(strManageFile, arrLines) ? 1 : 0;
}
