#include "platform/text/Utf8.h"

#include "platform/text/CodePage.h"

namespace text {

namespace {

// Writes the character at `out` and returns the position after it.
char* PutUtf8(char* out, char32_t c) {
    if (c < 0x80) {
        *out++ = static_cast<char>(c);
    } else if (c < 0x800) {
        *out++ = static_cast<char>(0xC0 | (c >> 6));
        *out++ = static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        *out++ = static_cast<char>(0xE0 | (c >> 12));
        *out++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        *out++ = static_cast<char>(0x80 | (c & 0x3F));
    } else {
        *out++ = static_cast<char>(0xF0 | (c >> 18));
        *out++ = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        *out++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        *out++ = static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

// The character starting at data[i]: its length in bytes, or 0 when the bytes there are not a
// character (a stray or cut-off byte, an overlong form, a surrogate, a value beyond Unicode).
size_t DecodeOne(const unsigned char* data, size_t i, size_t size, char32_t& c) {
    unsigned char b = data[i];
    size_t length = b < 0x80           ? 1
                    : (b >> 5) == 0x6  ? 2
                    : (b >> 4) == 0xE  ? 3
                    : (b >> 3) == 0x1E ? 4
                                       : 0;
    c = length == 1 ? b : length == 2 ? b & 0x1F : length == 3 ? b & 0x0F : b & 0x07;
    if (length == 0 || i + length > size)
        return 0;
    for (size_t k = 1; k < length; ++k) {
        if ((data[i + k] & 0xC0) != 0x80)
            return 0;
        c = (c << 6) | (data[i + k] & 0x3F);
    }
    static constexpr char32_t kMinimum[5] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < kMinimum[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return 0;
    return length;
}

} // namespace

std::string ToUtf8(std::wstring_view text) {
    std::string out;
    AppendUtf8(text, out);
    return out;
}

void AppendUtf8(std::wstring_view text, std::string& out) {
    // Paths are converted on every file access: write into a block large enough for the worst
    // case (four bytes a character), then cut it to fit, instead of growing it byte by byte.
    size_t start = out.size();
    out.resize(start + text.size() * 4);
    char* next = out.data() + start;
    for (wchar_t wc : text) {
        if (IsEscapedByte(wc)) {
            *next++ = static_cast<char>(wc - kEscapedByteBase);
            continue;
        }
        auto c = static_cast<char32_t>(wc);
        if (wc < 0 || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            c = 0xFFFD;
        next = PutUtf8(next, c);
    }
    out.resize(static_cast<size_t>(next - out.data()));
}

std::wstring FromUtf8(std::string_view bytes) {
    std::wstring out;
    AppendFromUtf8(bytes, out);
    return out;
}

void AppendFromUtf8(std::string_view bytes, std::wstring& out) {
    out.reserve(out.size() + bytes.size());
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    size_t size = bytes.size();
    for (size_t i = 0; i < size;) {
        if (data[i] < 0x80) {
            out.push_back(static_cast<wchar_t>(data[i++]));
            continue;
        }
        char32_t c = 0;
        size_t length = DecodeOne(data, i, size, c);
        if (length == 0) {
            out.push_back(static_cast<wchar_t>(kEscapedByteBase + data[i]));
            ++i;
            continue;
        }
        out.push_back(static_cast<wchar_t>(c));
        i += length;
    }
}

bool IsValidUtf8(std::string_view bytes) {
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    char32_t c = 0;
    for (size_t i = 0; i < bytes.size();) {
        size_t length = data[i] < 0x80 ? 1 : DecodeOne(data, i, bytes.size(), c);
        if (length == 0)
            return false;
        i += length;
    }
    return true;
}

} // namespace text
