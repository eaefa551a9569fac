#pragma once
// Conversion between wide text and the bytes of an ANSI code page (CP936 by default), the way
// the system's files are stored on Windows installations.
//
// Bytes that are not a valid character of the code page never fail a read: each such byte
// decodes to the "escaped byte" U+DC00 + byte (a lone low surrogate that no real text holds),
// and encoding writes it back as the same byte. A file with stray bytes therefore survives a
// read and rewrite unchanged. Characters the code page cannot hold are written as "?", as
// Windows does, and the encoder reports that it happened.

#include <memory>
#include <mutex>
#include <string>
#include <string_view>

namespace text {

inline constexpr wchar_t kEscapedByteBase = 0xDC00;
inline bool IsEscapedByte(wchar_t c) {
    return c >= 0xDC80 && c <= 0xDCFF;
}

class CodePage {
public:
    // An iconv name: "CP936", "GBK", "CP1252", "UTF-8", ...
    explicit CodePage(std::string name);
    ~CodePage();
    CodePage(const CodePage&) = delete;
    CodePage& operator=(const CodePage&) = delete;

    const std::string& Name() const { return m_name; }
    bool IsValid() const { return m_valid; }

    // `valid` (optional) is cleared when a byte had to be escaped.
    std::wstring Decode(std::string_view bytes, bool* valid = nullptr) const;
    // The same into `text`, whose storage is reused: readers of many files keep one buffer
    // instead of asking for a large block per file.
    void DecodeInto(std::string_view bytes, std::wstring& text, bool* valid = nullptr) const;
    // Whether the bytes decode without one escaped, told without making the text.
    bool Holds(std::string_view bytes) const;
    // `lossy` (optional) is set when a character had to be replaced by "?".
    std::string Encode(std::wstring_view text, bool* lossy = nullptr) const;

private:
    struct Tables;
    const Tables* LookupTables() const;
    static std::unique_ptr<Tables> BuildTables(const std::string& name);
    std::wstring DecodeWithIconv(std::string_view bytes, bool* valid) const;
    bool EncodeWithIconv(wchar_t c, std::string& out) const;

    std::string m_name;
    bool m_valid = false;
    mutable std::unique_ptr<Tables> m_tables;
    mutable std::once_flag m_tablesOnce;
};

// The installation's code page, used by every text file of the system. Unknown names are
// refused (false) and the previous code page stays.
const CodePage& AnsiCodePage();
bool SetAnsiCodePage(const std::string& name);

} // namespace text
