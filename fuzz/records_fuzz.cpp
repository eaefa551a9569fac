// Any bytes read as a management file: the strict description reader, the content scan (as the
// library and as the content reader run it) and the tolerant parser take them without a fault,
// and what the library would write back from them reads back the same. Read as a Project's load
// reads them, checked in the bytes and decoded when first asked for, they give the records of
// the whole file's text.

#include "platform/text/CodePage.h"
#include "platform/text/TextFile.h"
#include "platform/text/WideString.h"
#include "records/ExplainBlockText.h"
#include "suite/OvXmInfo/ManageFileText.h"
#include "suite/OvXmInfo/PendingManageFile.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void Require(bool condition) {
    if (!condition)
        std::abort();
}

// A complete block written back from its entries reads back as the same entries. The one text
// the layout cannot hold as a title or value is the note's own end marker.
void CheckBlockRoundTrip(const xmfile::ExplainBlock& block) {
    for (const CExplainInfoNode& entry : block.entries)
        if (entry.Getm_StrTitle() == xmfile::kEndOneNote ||
            entry.Getm_StrValue() == xmfile::kEndOneNote)
            return;
    std::vector<std::wstring> written;
    xmfile::AppendExplainBlock(block.entries, written);
    std::vector<std::wstring_view> views(written.begin(), written.end());
    xmfile::ExplainBlock again = xmfile::ReadExplainBlock(views);
    Require(again.complete && again.entries.size() == block.entries.size());
    for (size_t i = 0; i < again.entries.size(); ++i) {
        Require(again.entries[i].Getm_StrTitle() ==
                xmfile::SingleLine(block.entries[i].Getm_StrTitle()));
        Require(again.entries[i].Getm_StrValue() ==
                xmfile::SingleLine(block.entries[i].Getm_StrValue()));
    }
}

// The content section written as the library writes it (files without type first, without a
// header) scans back to the same types and files; only an empty group without type, which
// has nothing to write, is not seen again.
void CheckContentRoundTrip(const xmfile::ContentScan& scan) {
    std::vector<std::wstring> written = {std::wstring(xmfile::kBeginContent)};
    std::vector<const xmfile::ContentStyle*> order;
    for (const auto& style : scan.arrStyles)
        if (style.strStyleName.empty() && !style.arrFiles.empty())
            order.insert(order.begin(), &style);
        else if (style.strStyleName.empty())
            continue;
        else
            order.push_back(&style);
    for (const xmfile::ContentStyle* style : order) {
        if (!style->strStyleName.empty())
            written.push_back(xmfile::StyleHeaderLine(style->strStyleName));
        for (const auto& file : style->arrFiles)
            written.push_back(xmfile::FileLine(file.strFileName, file.strRemark));
    }
    written.emplace_back(xmfile::kEndContent);
    std::vector<std::wstring_view> views(written.begin(), written.end());
    xmfile::ContentScan again = xmfile::ScanContent(views, 0, false);
    Require(again.arrStyles.size() == order.size());
    for (size_t i = 0; i < order.size(); ++i) {
        Require(again.arrStyles[i].strStyleName == order[i]->strStyleName);
        Require(again.arrStyles[i].arrFiles.size() == order[i]->arrFiles.size());
        for (size_t j = 0; j < order[i]->arrFiles.size(); ++j) {
            Require(again.arrStyles[i].arrFiles[j].strFileName ==
                    order[i]->arrFiles[j].strFileName);
            Require(again.arrStyles[i].arrFiles[j].strRemark == order[i]->arrFiles[j].strRemark);
        }
    }
}

// What a load keeps of the bytes, taken later, is what decoding the whole file at once gives.
void CheckKeptBytes(const std::string& bytes) {
    std::wstring whole;
    text::DecodeTextFile(bytes, L"fuzz", whole);
    std::vector<std::wstring_view> lines;
    xmfile::SplitManageFileLines(whole, lines);
    xmfile::ExplainBlock expected = xmfile::ReadExplainBlock(lines);

    std::string kept = bytes;
    xmfile::ExplainBlock block;
    xmfile::PendingManageFile pending;
    Require(xmfile::ReadManageFileBytes(kept, L"fuzz", block, &pending) == expected.complete);
    if (!expected.complete)
        return;
    std::vector<CExplainInfoNode> entries;
    std::wstring content;
    pending.TakeContent(content, L"fuzz");
    pending.TakeEntries(entries, L"fuzz");
    Require(entries.size() == expected.entries.size());
    for (size_t i = 0; i < entries.size(); ++i)
        Require(entries[i].Getm_StrTitle() == expected.entries[i].Getm_StrTitle() &&
                entries[i].Getm_StrValue() == expected.entries[i].Getm_StrValue());
    const wchar_t* after = expected.nextLine < lines.size() ? lines[expected.nextLine].data()
                                                            : whole.data() + whole.size();
    Require(content == std::wstring_view(after, whole.data() + whole.size()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const text::CodePage cp936("CP936");
    std::string bytes(reinterpret_cast<const char*>(data), size);
    CheckKeptBytes(bytes);
    std::wstring content = cp936.Decode(bytes);
    std::vector<std::wstring_view> lines;
    xmfile::SplitManageFileLines(content, lines);

    xmfile::ExplainBlock block = xmfile::ReadExplainBlock(lines);
    Require(block.nextLine <= lines.size());
    if (block.complete)
        CheckBlockRoundTrip(block);
    xmfile::ContentScan library = xmfile::ScanContent(lines, block.nextLine, false);
    xmfile::ScanContent(lines, 0, true);
    // A lone CR inside a line is written as a blank, which may merge two names.
    if (content.find(L'\r') == std::wstring::npos)
        CheckContentRoundTrip(library);

    std::vector<std::wstring> trimmed;
    for (std::wstring_view line : lines)
        if (std::wstring t = text::Trim(line); !t.empty())
            trimmed.push_back(std::move(t));
    size_t before = trimmed.size();
    explain::ParseExplainLines(trimmed, 1);
    Require(trimmed.size() <= before);
    return 0;
}
