#include "store/LetterCode.h"

#include "platform/text/CodePage.h"

std::wstring EncodeLetters(std::wstring_view strPlain) {
    std::string bytes = text::AnsiCodePage().Encode(strPlain);
    std::wstring strEncoded;
    strEncoded.reserve(bytes.size() * 2);
    for (char byte : bytes) {
        auto value = static_cast<unsigned char>(byte);
        strEncoded.push_back(static_cast<wchar_t>(L'a' + (value >> 4)));
        strEncoded.push_back(static_cast<wchar_t>(L'a' + (value & 0x0F)));
    }
    return strEncoded;
}

std::wstring DecodeLetters(std::wstring_view strEncoded) {
    if (strEncoded.size() % 2 != 0)
        return std::wstring(strEncoded);
    std::string bytes;
    bytes.reserve(strEncoded.size() / 2);
    for (size_t i = 0; i < strEncoded.size(); i += 2) {
        wchar_t high = strEncoded[i];
        wchar_t low = strEncoded[i + 1];
        if (high < L'a' || high > L'p' || low < L'a' || low > L'p')
            return std::wstring(strEncoded);
        bytes.push_back(static_cast<char>(((high - L'a') << 4) | (low - L'a')));
    }
    return text::AnsiCodePage().Decode(bytes);
}
