#include "platform/ui/MessageBox.h"

#include "platform/text/Utf8.h"
#include "platform/ui/LocalBackend.h"

#include <cstdio>

namespace ui {

namespace {

// Boxes in a program that has no user interface: said on standard error, answered by default;
// choosers and menus are cancelled and modal dialogs end at once.
class StandardErrorBackend : public LocalBackend {
public:
    int MessageBox(Window*, const std::wstring& text, const std::wstring& caption,
                   unsigned flags) override {
        std::fprintf(stderr, "[%s] %s\n", text::ToUtf8(caption).c_str(),
                     text::ToUtf8(text).c_str());
        return DefaultAnswer(flags);
    }
};

Backend* g_backend = nullptr;

} // namespace

int DefaultAnswer(unsigned flags) {
    static const int kButtons[][3] = {
        {IDOK, IDOK, IDOK},      {IDOK, IDCANCEL, IDCANCEL}, {IDABORT, IDRETRY, IDIGNORE},
        {IDYES, IDNO, IDCANCEL}, {IDYES, IDNO, IDNO},        {IDRETRY, IDCANCEL, IDCANCEL},
    };
    unsigned type = flags & MB_TYPEMASK;
    if (type > 5)
        type = 0;
    unsigned index = (flags & MB_DEFMASK) >> 8;
    return kButtons[type][index > 2 ? 0 : index];
}

bool IsAnswerOf(unsigned flags, int answer) {
    for (unsigned index = 0; index < 3; ++index)
        if (DefaultAnswer((flags & ~MB_DEFMASK) | (index << 8)) == answer)
            return true;
    return false;
}

std::wstring ButtonsName(unsigned flags) {
    switch (flags & MB_TYPEMASK) {
    case MB_OKCANCEL:
        return L"OK/Cancel";
    case MB_ABORTRETRYIGNORE:
        return L"Abort/Retry/Ignore";
    case MB_YESNOCANCEL:
        return L"Yes/No/Cancel";
    case MB_YESNO:
        return L"Yes/No";
    case MB_RETRYCANCEL:
        return L"Retry/Cancel";
    default:
        return L"OK";
    }
}

std::wstring IconName(unsigned flags) {
    switch (flags & MB_ICONMASK) {
    case MB_ICONERROR:
        return L"error";
    case MB_ICONQUESTION:
        return L"question";
    case MB_ICONEXCLAMATION:
        return L"exclamation";
    case MB_ICONINFORMATION:
        return L"information";
    default:
        return L"none";
    }
}

Backend& CurrentBackend() {
    static StandardErrorBackend fallback;
    return g_backend ? *g_backend : fallback;
}

void SetBackend(Backend* backend) {
    g_backend = backend;
}

int MessageBox(Window* owner, std::wstring_view text, std::wstring_view caption, unsigned flags) {
    return CurrentBackend().MessageBox(owner, std::wstring(text), std::wstring(caption), flags);
}

} // namespace ui
