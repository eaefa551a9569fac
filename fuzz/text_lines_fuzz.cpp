// Any bytes decode without a fault, round-trip through the encoder, and parse as list lines; the
// code page tells whether they decode as the decoding does. A
// first part that settles the file's encoding decodes, with the rest decoded on its own, to the
// text the whole file decodes to.

#include "platform/text/CodePage.h"
#include "platform/text/TextFile.h"
#include "store/FileStyleList.h"
#include "store/TypeLists.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const text::CodePage cp936("CP936");
    std::string bytes(reinterpret_cast<const char*>(data), size);
    bool valid = true;
    std::wstring decoded = cp936.Decode(bytes, &valid);
    if (cp936.Holds(bytes) != valid)
        std::abort();
    if (cp936.Encode(decoded) != bytes)
        std::abort();
    std::wstring whole;
    text::DecodeTextFile(bytes, L"fuzz", whole);
    // The first few line ends: each check decodes the whole input again.
    size_t end = bytes.find('\n');
    for (int checked = 0; end != std::string::npos && checked < 8;
         end = bytes.find('\n', end + 1), ++checked) {
        std::string_view head = std::string_view(bytes).substr(0, end + 1);
        if (!text::HeadSettlesCodePage(head))
            continue;
        if (text::AnsiCodePage().Decode(head) +
                text::AnsiCodePage().Decode(std::string_view(bytes).substr(end + 1)) !=
            whole)
            std::abort();
    }
    for (const std::wstring& line : text::SplitTextLines(decoded)) {
        ParseTerminalTypeLine(line);
        ParseWireTypeLine(line);
        ParseCircuitTypeLine(line);
        STRUCT_XMSB_FILESTYLE style;
        ParseFileStyleLine(line, style);
    }
    return 0;
}
