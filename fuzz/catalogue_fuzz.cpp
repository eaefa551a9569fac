// The readers of what the FTP site sends: catalogue and lock files, the login file's letters
// (folder listings have a target of their own). Any bytes must parse without a fault, and a
// stamp that follows any first line must sort after it.

#include "platform/text/CodePage.h"
#include "platform/text/TextFile.h"
#include "platform/text/WideString.h"
#include "server/CatalogueLock.h"
#include "server/OperateVersionFile.h"
#include "store/LetterCode.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string bytes(reinterpret_cast<const char*>(data), size);
    std::vector<std::wstring> lines = text::SplitTextLines(text::AnsiCodePage().Decode(bytes));
    for (const std::wstring& line : CatalogueEntryLines(lines))
        ParseCatalogueEntry(line);
    ParseLockHolder(lines);
    // A line in letters decodes to text that encodes to the same letters again.
    std::wstring decoded;
    for (const std::wstring& line : lines)
        if (TryDecodeLetters(line, decoded) && EncodeLetters(decoded) != line)
            std::abort();

    if (!lines.empty()) {
        const std::wstring now = L"2024,06,15,12,30,45";
        std::wstring next = NextVersionStamp(lines[0], now);
        if (text::CompareNoCase(next, lines[0]) <= 0 || text::CompareNoCase(next, now) < 0)
            std::abort();
    }
    return 0;
}
