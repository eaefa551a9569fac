#pragma once
// What a management file's reader keeps of a file whose records are made on first use: the
// window reads every management file of a Project but shows the description and drawings of
// one container at a time.

#include "suite/OvXmInfo/ExplainInfoNode.h"
#include "suite/OvXmInfo/ManageFileText.h"

#include <string>
#include <string_view>
#include <vector>

namespace xmfile {

class PendingManageFile {
public:
    PendingManageFile() = default;
    PendingManageFile(const PendingManageFile&) = default;
    PendingManageFile(PendingManageFile&&) = default;
    PendingManageFile& operator=(const PendingManageFile&) = default;
    PendingManageFile& operator=(PendingManageFile&&) = default;
    ~PendingManageFile();

    // A buffer that held the bytes of a file released since, for a reader to read the next
    // file into (empty when there is none): a window loads its Project again after every
    // change, and memory used before spares those reads the fresh memory, which would cost
    // more than the reading.
    static std::string SpareBuffer();

    void Clear();
    // The file's bytes, its description block ending at `blockEnd`, complete. Whether the
    // parts decode alone in the code page is settled when the first is taken; when they do not
    // (a file saved as UTF-8, say), the whole file is decoded then, as a reading of it would.
    void SetBytes(std::string&& bytes, size_t blockEnd);
    // A file's text decoded already, split into `lines`, its complete description `block`
    // read from them: the entries and the text after the block are kept.
    void SetDecoded(std::wstring_view text, const std::vector<std::wstring_view>& lines,
                    ExplainBlock&& block);

    // The description entries (nothing once taken). `path` names the file in the note a
    // decoding of its whole text may give.
    void TakeEntries(std::vector<CExplainInfoNode>& entries, std::wstring_view path);
    // The text after the description block (nothing once taken).
    void TakeContent(std::wstring& content, std::wstring_view path);

private:
    void Settle(std::wstring_view path);
    void ReleaseWhenBothTaken();

    std::string m_bytes;
    size_t m_blockEnd = 0;
    std::vector<CExplainInfoNode> m_entries;
    std::wstring m_content;
    bool m_bDecoded = false;
    bool m_bPartsDecodeAlone = false;
    bool m_bEntriesTaken = false;
    bool m_bContentTaken = false;
};

} // namespace xmfile
