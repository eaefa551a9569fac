#include "platform/text/CodePage.h"

#include <array>
#include <atomic>
#include <bitset>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <iconv.h>
#include <map>
#include <mutex>
#include <unordered_map>
#include <vector>

namespace text {

namespace {

constexpr wchar_t kNoChar = 0;
constexpr char kReplacement = '?';

// One iconv conversion descriptor for the lifetime of a call.
class Converter {
public:
    Converter(const char* to, const char* from) : m_cd(iconv_open(to, from)) {}
    ~Converter() {
        if (IsOpen())
            iconv_close(m_cd);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    bool IsOpen() const { return m_cd != reinterpret_cast<iconv_t>(-1); }
    iconv_t Handle() const { return m_cd; }
    void Reset() const { iconv(m_cd, nullptr, nullptr, nullptr, nullptr); }

private:
    iconv_t m_cd;
};

enum class Probe { Complete, Incomplete, Invalid };

// Decodes exactly `bytes` to one wide character, telling whether they form a character, the
// start of a longer one, or nothing valid.
Probe DecodeOne(const Converter& conv, const unsigned char* bytes, size_t count, wchar_t& out) {
    conv.Reset();
    wchar_t buffer[4];
    char* in = reinterpret_cast<char*>(const_cast<unsigned char*>(bytes));
    size_t inLeft = count;
    char* outPtr = reinterpret_cast<char*>(buffer);
    size_t outLeft = sizeof buffer;
    size_t rc = iconv(conv.Handle(), &in, &inLeft, &outPtr, &outLeft);
    size_t produced = (sizeof buffer - outLeft) / sizeof(wchar_t);
    if (rc == static_cast<size_t>(-1)) {
        if (errno == EINVAL && produced == 0)
            return Probe::Incomplete;
        return Probe::Invalid;
    }
    if (produced != 1 || inLeft != 0)
        return Probe::Invalid;
    out = buffer[0];
    return Probe::Complete;
}

} // namespace

// Lookup tables of a single- or double-byte code page: one entry per single byte and per
// lead/trail pair. Built once from iconv; code pages with longer sequences (UTF-8, GB18030)
// have no tables and are decoded by iconv directly.
struct CodePage::Tables {
    std::array<wchar_t, 256> single{};
    std::array<bool, 256> lead{};
    std::vector<wchar_t> pairs = std::vector<wchar_t>(128 * 256, kNoChar);
    // Which pairs decode, a bit each: small enough to stay in the cache while a check of
    // whether bytes decode runs.
    std::bitset<128 * 256> pairDecodes;
    // Encoding looks every character up: the characters of the basic plane by index (0: none;
    // no character beyond ASCII has code 0), the few others in a map.
    std::vector<unsigned short> reverseBasic = std::vector<unsigned short>(0x10000, 0);
    std::unordered_map<wchar_t, unsigned short> reverseOther;

    wchar_t Pair(unsigned char leadByte, unsigned char trail) const {
        return pairs[(leadByte - 0x80) * 256 + trail];
    }
    // The first code of a character wins, as the table lists them.
    void AddReverse(wchar_t c, unsigned short code) {
        if (c >= 0 && c < 0x10000) {
            unsigned short& slot = reverseBasic[static_cast<size_t>(c)];
            if (!slot)
                slot = code;
        } else {
            reverseOther.emplace(c, code);
        }
    }
    // 0 when the code page has no code for the character.
    unsigned short Reverse(wchar_t c) const {
        if (c >= 0 && c < 0x10000)
            return reverseBasic[static_cast<size_t>(c)];
        auto found = reverseOther.find(c);
        return found == reverseOther.end() ? 0 : found->second;
    }
};

CodePage::CodePage(std::string name) : m_name(std::move(name)) {
    Converter probe("WCHAR_T", m_name.c_str());
    m_valid = probe.IsOpen();
}

CodePage::~CodePage() = default;

const CodePage::Tables* CodePage::LookupTables() const {
    // Built on first use; every decoding after that only reads them.
    std::call_once(m_tablesOnce, [this] { m_tables = BuildTables(m_name); });
    return m_tables.get();
}

std::unique_ptr<CodePage::Tables> CodePage::BuildTables(const std::string& name) {
    Converter conv("WCHAR_T", name.c_str());
    if (!conv.IsOpen())
        return nullptr;
    auto tables = std::make_unique<Tables>();
    for (unsigned b = 0; b < 0x80; ++b) {
        wchar_t c = kNoChar;
        unsigned char byte = static_cast<unsigned char>(b);
        if (DecodeOne(conv, &byte, 1, c) != Probe::Complete || c != static_cast<wchar_t>(b))
            return nullptr; // not ASCII-compatible: leave it to iconv
        tables->single[b] = c;
    }
    for (unsigned b = 0x80; b < 0x100; ++b) {
        unsigned char byte = static_cast<unsigned char>(b);
        wchar_t c = kNoChar;
        Probe probe = DecodeOne(conv, &byte, 1, c);
        if (probe == Probe::Complete)
            tables->single[b] = c;
        else if (probe == Probe::Incomplete)
            tables->lead[b] = true;
    }
    for (unsigned l = 0x80; l < 0x100; ++l) {
        if (!tables->lead[l])
            continue;
        for (unsigned t = 0; t < 0x100; ++t) {
            unsigned char pair[2] = {static_cast<unsigned char>(l), static_cast<unsigned char>(t)};
            wchar_t c = kNoChar;
            Probe probe = DecodeOne(conv, pair, 2, c);
            if (probe == Probe::Incomplete)
                return nullptr; // sequences longer than two bytes
            if (probe == Probe::Complete) {
                tables->pairs[(l - 0x80) * 256 + t] = c;
                tables->pairDecodes.set((l - 0x80) * 256 + t);
            }
        }
    }
    for (unsigned b = 0x80; b < 0x100; ++b)
        if (tables->single[b] != kNoChar)
            tables->AddReverse(tables->single[b], static_cast<unsigned short>(b));
    for (unsigned l = 0x80; l < 0x100; ++l)
        for (unsigned t = 0; t < 0x100 && tables->lead[l]; ++t)
            if (wchar_t c =
                    tables->Pair(static_cast<unsigned char>(l), static_cast<unsigned char>(t)))
                tables->AddReverse(c, static_cast<unsigned short>(l << 8 | t));
    return tables;
}

std::wstring CodePage::Decode(std::string_view bytes, bool* valid) const {
    std::wstring out;
    DecodeInto(bytes, out, valid);
    return out;
}

void CodePage::DecodeInto(std::string_view bytes, std::wstring& out, bool* valid) const {
    if (valid)
        *valid = true;
    const Tables* tables = m_valid ? LookupTables() : nullptr;
    if (!tables) {
        out = DecodeWithIconv(bytes, valid);
        return;
    }
    // Never more characters than bytes: write into a buffer of that size, then cut it to fit.
    out.resize(bytes.size());
    wchar_t* next = out.data();
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    size_t size = bytes.size();
    for (size_t i = 0; i < size;) {
        unsigned char b = data[i];
        if (b < 0x80) {
            *next++ = static_cast<wchar_t>(b);
            ++i;
        } else if (tables->single[b] != kNoChar) {
            *next++ = tables->single[b];
            ++i;
        } else if (tables->lead[b] && i + 1 < size && tables->Pair(b, data[i + 1]) != kNoChar) {
            *next++ = tables->Pair(b, data[i + 1]);
            i += 2;
        } else {
            *next++ = static_cast<wchar_t>(kEscapedByteBase + b);
            ++i;
            if (valid)
                *valid = false;
        }
    }
    out.resize(static_cast<size_t>(next - out.data()));
}

bool CodePage::Holds(std::string_view bytes) const {
    const Tables* tables = m_valid ? LookupTables() : nullptr;
    if (!tables) {
        bool valid = true;
        DecodeWithIconv(bytes, &valid);
        return valid;
    }
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    size_t size = bytes.size();
    for (size_t i = 0; i < size;) {
        // Runs of ASCII, eight bytes at a time: most of a management file's bytes are.
        if (i + 8 <= size) {
            uint64_t eight;
            std::memcpy(&eight, data + i, 8);
            if ((eight & 0x8080808080808080u) == 0) {
                i += 8;
                continue;
            }
        }
        unsigned char b = data[i];
        if (b < 0x80 || tables->single[b] != kNoChar)
            ++i;
        else if (i + 1 < size && tables->pairDecodes[(b - 0x80) * 256 + data[i + 1]])
            i += 2;
        else
            return false;
    }
    return true;
}

std::wstring CodePage::DecodeWithIconv(std::string_view bytes, bool* valid) const {
    std::wstring out;
    Converter conv("WCHAR_T", m_valid ? m_name.c_str() : "CP936");
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    if (!conv.IsOpen()) {
        for (unsigned char b : bytes) {
            out.push_back(b < 0x80 ? static_cast<wchar_t>(b)
                                   : static_cast<wchar_t>(kEscapedByteBase + b));
            if (valid && b >= 0x80)
                *valid = false;
        }
        return out;
    }
    std::vector<wchar_t> buffer(bytes.size() + 16);
    size_t pos = 0;
    while (pos < bytes.size()) {
        char* in = const_cast<char*>(bytes.data()) + pos;
        size_t inLeft = bytes.size() - pos;
        char* outPtr = reinterpret_cast<char*>(buffer.data());
        size_t outLeft = buffer.size() * sizeof(wchar_t);
        size_t rc = iconv(conv.Handle(), &in, &inLeft, &outPtr, &outLeft);
        int error = errno;
        out.append(buffer.data(), (buffer.size() * sizeof(wchar_t) - outLeft) / sizeof(wchar_t));
        pos = bytes.size() - inLeft;
        if (rc != static_cast<size_t>(-1) || inLeft == 0)
            break;
        if (error == E2BIG)
            continue;
        // EILSEQ or a sequence cut off at the end: escape one byte and go on after it.
        if (valid)
            *valid = false;
        unsigned char b = data[pos];
        out.push_back(b < 0x80 ? static_cast<wchar_t>(b)
                               : static_cast<wchar_t>(kEscapedByteBase + b));
        ++pos;
        conv.Reset();
    }
    return out;
}

bool CodePage::EncodeWithIconv(wchar_t c, std::string& out) const {
    Converter conv(m_name.c_str(), "WCHAR_T");
    if (!conv.IsOpen())
        return false;
    char buffer[16];
    char* in = reinterpret_cast<char*>(&c);
    size_t inLeft = sizeof c;
    char* outPtr = buffer;
    size_t outLeft = sizeof buffer;
    if (iconv(conv.Handle(), &in, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1))
        return false;
    out.append(buffer, sizeof buffer - outLeft);
    return true;
}

std::string CodePage::Encode(std::wstring_view text, bool* lossy) const {
    if (lossy)
        *lossy = false;
    auto replaced = [lossy]() {
        if (lossy)
            *lossy = true;
        return kReplacement;
    };
    const Tables* tables = m_valid ? LookupTables() : nullptr;
    if (!tables) {
        std::string out;
        for (wchar_t c : text) {
            if (c >= 0 && c < 0x80)
                out.push_back(static_cast<char>(c));
            else if (IsEscapedByte(c))
                out.push_back(static_cast<char>(c - kEscapedByteBase));
            else if (!m_valid || !EncodeWithIconv(c, out))
                out.push_back(replaced());
        }
        return out;
    }
    // At most two bytes per character: written through a pointer into a buffer of that size,
    // then cut to fit (whole management files are encoded to be compared with the disk's).
    std::string out(text.size() * 2, '\0');
    char* next = out.data();
    for (wchar_t c : text) {
        if (c >= 0 && c < 0x80) {
            *next++ = static_cast<char>(c);
        } else if (IsEscapedByte(c)) {
            *next++ = static_cast<char>(c - kEscapedByteBase);
        } else if (unsigned short code = tables->Reverse(c)) {
            if (code > 0xFF)
                *next++ = static_cast<char>(code >> 8);
            *next++ = static_cast<char>(code & 0xFF);
        } else {
            *next++ = replaced();
        }
    }
    out.resize(static_cast<size_t>(next - out.data()));
    return out;
}

namespace {

struct AnsiRegistry {
    std::mutex mutex;
    std::map<std::string, std::unique_ptr<CodePage>> pages;
    // Read without the lock, as every file read asks for it: the pages are kept for the life
    // of the process, so the one it points at stays.
    std::atomic<const CodePage*> current = nullptr;
};

AnsiRegistry& Registry() {
    static AnsiRegistry registry;
    return registry;
}

} // namespace

const CodePage& AnsiCodePage() {
    AnsiRegistry& registry = Registry();
    if (const CodePage* current = registry.current.load(std::memory_order_acquire))
        return *current;
    std::lock_guard<std::mutex> lock(registry.mutex);
    if (!registry.current.load()) {
        auto& page = registry.pages["CP936"];
        if (!page)
            page = std::make_unique<CodePage>("CP936");
        registry.current.store(page.get(), std::memory_order_release);
    }
    return *registry.current.load();
}

bool SetAnsiCodePage(const std::string& name) {
    AnsiRegistry& registry = Registry();
    std::lock_guard<std::mutex> lock(registry.mutex);
    auto found = registry.pages.find(name);
    if (found == registry.pages.end()) {
        // Only code pages that work are kept: every name a description could hold would
        // otherwise stay for the life of the process.
        auto page = std::make_unique<CodePage>(name);
        if (!page->IsValid())
            return false;
        found = registry.pages.emplace(name, std::move(page)).first;
    }
    registry.current.store(found->second.get(), std::memory_order_release);
    return true;
}

} // namespace text
