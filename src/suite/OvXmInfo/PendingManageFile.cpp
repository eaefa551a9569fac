#include "suite/OvXmInfo/PendingManageFile.h"

#include "platform/text/CodePage.h"
#include "platform/text/TextFile.h"
#include "suite/OvXmInfo/ManageFileText.h"

#include <mutex>

namespace xmfile {

namespace {

struct SpareBuffers {
    static constexpr size_t kMostBytes = 8u << 20;
    std::mutex mutex;
    std::vector<std::string> buffers;
    size_t bytes = 0;
};

// Never destroyed: records held by static objects give their buffers back at exit.
SpareBuffers& Spares() {
    static auto* spares = new SpareBuffers;
    return *spares;
}

void GiveBack(std::string& buffer) {
    std::string spare = std::move(buffer);
    buffer = std::string();
    if (spare.capacity() < 256)
        return;
    SpareBuffers& spares = Spares();
    std::lock_guard<std::mutex> lock(spares.mutex);
    if (spares.bytes + spare.capacity() > SpareBuffers::kMostBytes)
        return;
    spares.bytes += spare.capacity();
    spare.clear();
    spares.buffers.push_back(std::move(spare));
}

} // namespace

std::string PendingManageFile::SpareBuffer() {
    SpareBuffers& spares = Spares();
    std::lock_guard<std::mutex> lock(spares.mutex);
    if (spares.buffers.empty())
        return {};
    std::string buffer = std::move(spares.buffers.back());
    spares.buffers.pop_back();
    spares.bytes -= buffer.capacity();
    return buffer;
}

PendingManageFile::~PendingManageFile() {
    GiveBack(m_bytes);
}

void PendingManageFile::Clear() {
    GiveBack(m_bytes);
    m_blockEnd = 0;
    m_entries.clear();
    m_content = std::wstring();
    m_bDecoded = false;
    m_bPartsDecodeAlone = false;
    m_bEntriesTaken = false;
    m_bContentTaken = false;
}

void PendingManageFile::SetBytes(std::string&& bytes, size_t blockEnd) {
    Clear();
    m_bytes = std::move(bytes);
    m_blockEnd = blockEnd < m_bytes.size() ? blockEnd : m_bytes.size();
}

void PendingManageFile::SetDecoded(std::wstring_view text,
                                   const std::vector<std::wstring_view>& lines,
                                   ExplainBlock&& block) {
    Clear();
    m_entries = std::move(block.entries);
    const wchar_t* pAfter =
        block.nextLine < lines.size() ? lines[block.nextLine].data() : text.data() + text.size();
    m_content.assign(pAfter, text.data() + text.size());
    m_bDecoded = true;
}

void PendingManageFile::Settle(std::wstring_view path) {
    if (m_bDecoded || m_bPartsDecodeAlone)
        return;
    if (text::HeadSettlesCodePage(std::string_view(m_bytes).substr(0, m_blockEnd))) {
        m_bPartsDecodeAlone = true;
        return;
    }
    // The reader checked the block in the bytes: its lines and markers are the same in the
    // code page and in UTF-8, so it is complete in the text too.
    thread_local std::wstring text;
    thread_local std::vector<std::wstring_view> lines;
    text::DecodeTextFile(m_bytes, path, text);
    SplitManageFileLines(text, lines);
    SetDecoded(text, lines, ReadExplainBlock(lines));
}

void PendingManageFile::TakeEntries(std::vector<CExplainInfoNode>& entries,
                                    std::wstring_view path) {
    entries.clear();
    if (m_bEntriesTaken)
        return;
    Settle(path);
    m_bEntriesTaken = true;
    if (m_bDecoded) {
        entries = std::move(m_entries);
    } else if (m_bPartsDecodeAlone) {
        thread_local std::wstring text;
        thread_local std::vector<std::wstring_view> lines;
        text::AnsiCodePage().DecodeInto(std::string_view(m_bytes).substr(0, m_blockEnd), text);
        SplitManageFileLines(text, lines);
        entries = ReadExplainBlock(lines).entries;
    }
    ReleaseWhenBothTaken();
}

void PendingManageFile::TakeContent(std::wstring& content, std::wstring_view path) {
    content.clear();
    if (m_bContentTaken)
        return;
    Settle(path);
    m_bContentTaken = true;
    if (m_bDecoded)
        content = std::move(m_content);
    else if (m_bPartsDecodeAlone)
        text::AnsiCodePage().DecodeInto(std::string_view(m_bytes).substr(m_blockEnd), content);
    ReleaseWhenBothTaken();
}

void PendingManageFile::ReleaseWhenBothTaken() {
    if (!m_bEntriesTaken || !m_bContentTaken)
        return;
    GiveBack(m_bytes);
    m_entries = std::vector<CExplainInfoNode>();
    m_content = std::wstring();
}

} // namespace xmfile
