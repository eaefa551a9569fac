// Any bytes decode without a fault, round-trip through the encoder, and parse as list lines.

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
    std::wstring decoded = cp936.Decode(bytes);
    if (cp936.Encode(decoded) != bytes)
        std::abort();
    for (const std::wstring& line : text::SplitTextLines(decoded)) {
        ParseTerminalTypeLine(line);
        ParseWireTypeLine(line);
        ParseCircuitTypeLine(line);
        STRUCT_XMSB_FILESTYLE style;
        ParseFileStyleLine(line, style);
    }
    return 0;
}
