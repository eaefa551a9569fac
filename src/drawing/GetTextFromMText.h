#pragma once
// Plain text from paragraph-text contents: paragraph breaks, format codes ("\fSimSun|b0;",
// "\W0.7;", "\P", ...) and braces removed.

#include <string>
#include <vector>

class CGetTextFromMText {
public:
    virtual ~CGetTextFromMText() = default;

    struct TypeSpecialSymbPos {
        int nPos;
        int nKind; // 1 a format code (backslash and letter), 2 a semicolon
    };

    std::wstring GetTextFromMText(std::wstring strText);

private:
    std::vector<TypeSpecialSymbPos> m_arrSymbPos;
};
