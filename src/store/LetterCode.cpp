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

bool TryDecodeLetters(std::wstring_view strEncoded, std::wstring& strPlain) {
    strPlain.clear();
    if (strEncoded.size() % 2 != 0)
        return false;
    std::string bytes;
    bytes.reserve(strEncoded.size() / 2);
    for (size_t i = 0; i < strEncoded.size(); i += 2) {
        wchar_t high = strEncoded[i];
        wchar_t low = strEncoded[i + 1];
        if (high < L'a' || high > L'p' || low < L'a' || low > L'p')
            return false;
        bytes.push_back(static_cast<char>(((high - L'a') << 4) | (low - L'a')));
    }
    strPlain = text::AnsiCodePage().Decode(bytes);
    return true;
}

std::wstring DecodeLetters(std::wstring_view strEncoded) {
    std::wstring strPlain;
    return TryDecodeLetters(strEncoded, strPlain) ? strPlain : std::wstring(strEncoded);
}
