#pragma once
// The checks of the entry dialog (one title and one value), kept apart from its window so that
// the window only shows what they decide.

#include <string>

namespace ui {
class Window;
}

class COneInfoCheck {
public:
    // OK is enabled only while title and value are both non-empty.
    static int IsOkEnabled(const std::wstring& strTitle, const std::wstring& strValue);
    // Neither field may hold ":" or "：": the message naming the offending fields by their
    // labels, or "" when both are fine.
    static std::wstring GetColonMessage(const std::wstring& strTitle, const std::wstring& strValue,
                                        const std::wstring& strTitleLabel = L"标题",
                                        const std::wstring& strValueLabel = L"具体内容");
    // On OK: shows the colon message in a box and returns 0 (the dialog stays open), or
    // returns 1 (the dialog closes with OK).
    static int CheckOnOk(ui::Window* pOwner, const std::wstring& strTitle,
                         const std::wstring& strValue, const std::wstring& strTitleLabel = L"标题",
                         const std::wstring& strValueLabel = L"具体内容");
};
