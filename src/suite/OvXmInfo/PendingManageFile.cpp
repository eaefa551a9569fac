#include "suite/OvXmInfo/PendingManageFile.h"

#include "platform/text/CodePage.h"
#include "suite/OvXmInfo/ManageFileText.h"

namespace xmfile {

void PendingManageFile::Clear() {
    m_bytes = std::string();
    m_blockEnd = 0;
    m_entries.clear();
    m_content = std::wstring();
    m_bDecoded = false;
    m_bEntriesTaken = false;
    m_bContentTaken = false;
}

void PendingManageFile::SetBytes(std::string&& bytes, size_t blockEnd) {
    Clear();
    m_bytes = std::move(bytes);
    m_blockEnd = blockEnd < m_bytes.size() ? blockEnd : m_bytes.size();
}

void PendingManageFile::SetDecoded(std::vector<CExplainInfoNode>&& entries,
                                   std::wstring_view content) {
    Clear();
    m_entries = std::move(entries);
    m_content.assign(content);
    m_bDecoded = true;
}

void PendingManageFile::TakeEntries(std::vector<CExplainInfoNode>& entries) {
    entries.clear();
    if (m_bEntriesTaken)
        return;
    m_bEntriesTaken = true;
    if (m_bDecoded) {
        entries = std::move(m_entries);
    } else {
        // The reader checked this block when it kept the bytes: it is complete and decodes
        // in the code page.
        thread_local std::wstring text;
        thread_local std::vector<std::wstring_view> lines;
        text::AnsiCodePage().DecodeInto(std::string_view(m_bytes).substr(0, m_blockEnd), text);
        SplitManageFileLines(text, lines);
        entries = ReadExplainBlock(lines).entries;
    }
    ReleaseWhenBothTaken();
}

void PendingManageFile::TakeContent(std::wstring& content) {
    content.clear();
    if (m_bContentTaken)
        return;
    m_bContentTaken = true;
    if (m_bDecoded)
        content = std::move(m_content);
    else
        text::AnsiCodePage().DecodeInto(std::string_view(m_bytes).substr(m_blockEnd), content);
    ReleaseWhenBothTaken();
}

void PendingManageFile::ReleaseWhenBothTaken() {
    if (!m_bEntriesTaken || !m_bContentTaken)
        return;
    m_bytes = std::string();
    m_entries = std::vector<CExplainInfoNode>();
    m_content = std::wstring();
}

} // namespace xmfile
