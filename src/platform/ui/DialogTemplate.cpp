#include "platform/ui/DialogTemplate.h"

namespace ui {

namespace {

// MulDiv as Windows rounds it: half away from zero.
int Scale(int value, int numerator, int denominator) {
    long long product = static_cast<long long>(value) * numerator;
    long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator
                                         : (product - half) / denominator);
}

} // namespace

Rect DialogUnitsToPixels(const ControlTemplate& control, Size baseUnits) {
    int left = Scale(control.x, baseUnits.cx, 4);
    int top = Scale(control.y, baseUnits.cy, 8);
    int right = Scale(control.x + control.width, baseUnits.cx, 4);
    int bottom = Scale(control.y + control.height, baseUnits.cy, 8);
    return {left, top, right, bottom};
}

Size DialogUnitsToPixels(const DialogTemplate& dialog, Size baseUnits) {
    return {Scale(dialog.width, baseUnits.cx, 4), Scale(dialog.height, baseUnits.cy, 8)};
}

const wchar_t* ControlKindName(ControlKind kind) {
    switch (kind) {
    case ControlKind::Static:
        return L"static";
    case ControlKind::GroupBox:
        return L"group";
    case ControlKind::PushButton:
        return L"button";
    case ControlKind::CheckBox:
        return L"check";
    case ControlKind::RadioButton:
        return L"radio";
    case ControlKind::Edit:
        return L"edit";
    case ControlKind::ComboBox:
        return L"combo";
    case ControlKind::ListBox:
        return L"listbox";
    case ControlKind::Tree:
        return L"tree";
    case ControlKind::List:
        return L"list";
    case ControlKind::PreviewFrame:
        return L"frame";
    }
    return L"control";
}

} // namespace ui
