#include "platform/ui/TextMeasure.h"

namespace ui {

int TextWidth(std::wstring_view text) {
    int width = 0;
    for (wchar_t c : text)
        width += (c >= 0x1100 && c != 0xFFFD) ? 12 : 6;
    return width;
}

} // namespace ui
