#pragma once
// The letter encoding of the login-information file, in the direction the configuration tool
// writes it (the module only reads it).

#include "support/TestSupport.h"

#include <string>

namespace ovtest {

inline std::wstring EncodeLetterLine(const std::wstring& line) {
    std::wstring letters;
    for (unsigned char byte : Cp936(line)) {
        letters += static_cast<wchar_t>(L'a' + byte / 16);
        letters += static_cast<wchar_t>(L'a' + byte % 16);
    }
    return letters;
}

} // namespace ovtest
