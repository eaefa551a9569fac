#pragma once
// What a management file's reader keeps of a file whose records are made on first use: the
// window reads every management file of a Project but shows the description and drawings of
// one container at a time.

#include "suite/OvXmInfo/ExplainInfoNode.h"

#include <string>
#include <string_view>
#include <vector>

namespace xmfile {

class PendingManageFile {
public:
    void Clear();
    // The file's bytes, its description block ending at `blockEnd`: both parts still in the
    // code page, each decoded when taken.
    void SetBytes(std::string&& bytes, size_t blockEnd);
    // A description block and the text after it decoded already.
    void SetDecoded(std::vector<CExplainInfoNode>&& entries, std::wstring_view content);

    // The description entries (nothing once taken).
    void TakeEntries(std::vector<CExplainInfoNode>& entries);
    // The text after the description block (nothing once taken).
    void TakeContent(std::wstring& content);

private:
    void ReleaseWhenBothTaken();

    std::string m_bytes;
    size_t m_blockEnd = 0;
    std::vector<CExplainInfoNode> m_entries;
    std::wstring m_content;
    bool m_bDecoded = false;
    bool m_bEntriesTaken = false;
    bool m_bContentTaken = false;
};

} // namespace xmfile
