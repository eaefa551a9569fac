#pragma once
// Dialog templates as resource files describe them: the dialog's id, caption, size and style,
// and its controls with id, kind, caption, rectangle in dialog units and style. A dialog class
// owns its template; the dialog turns it into control models once, in pixels.

#include "platform/ui/Geometry.h"

#include <string>
#include <vector>

namespace ui {

enum class ControlKind {
    Static,
    GroupBox,
    PushButton,
    CheckBox,
    RadioButton,
    Edit,
    ComboBox,
    ListBox,
    Tree,
    List,
    PreviewFrame,
};

// Styles of controls, with the values Win32 gives them (each meaningful for its kind only).
inline constexpr unsigned BS_DEFPUSHBUTTON = 0x0001;
inline constexpr unsigned ES_MULTILINE = 0x0004;
inline constexpr unsigned ES_PASSWORD = 0x0020;
inline constexpr unsigned ES_READONLY = 0x0800;
inline constexpr unsigned CBS_DROPDOWN = 0x0002;
inline constexpr unsigned CBS_DROPDOWNLIST = 0x0003;
inline constexpr unsigned CBS_SORT = 0x0100;
inline constexpr unsigned LBS_SORT = 0x0002;
inline constexpr unsigned LBS_EXTENDEDSEL = 0x0800;
inline constexpr unsigned TVS_HASBUTTONS = 0x0001;
inline constexpr unsigned TVS_HASLINES = 0x0002;
inline constexpr unsigned TVS_LINESATROOT = 0x0004;
inline constexpr unsigned TVS_SHOWSELALWAYS = 0x0020;
inline constexpr unsigned TVS_CHECKBOXES = 0x0100;
inline constexpr unsigned LVS_REPORT = 0x0001;
inline constexpr unsigned LVS_SINGLESEL = 0x0004;
inline constexpr unsigned LVS_SHOWSELALWAYS = 0x0008;
inline constexpr unsigned SS_CENTER = 0x0001;

// Positions and sizes are in dialog units, as a resource script writes them.
struct ControlTemplate {
    ControlTemplate() = default;
    ControlTemplate(int id, ControlKind kind, std::wstring text, int x, int y, int width,
                    int height, unsigned style = 0)
        : id(id), kind(kind), text(std::move(text)), x(x), y(y), width(width), height(height),
          style(style) {}

    int id = 0;
    ControlKind kind = ControlKind::Static;
    std::wstring text;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    unsigned style = 0;
};

struct DialogTemplate {
    DialogTemplate() = default;
    DialogTemplate(int id, std::wstring caption, int width, int height, unsigned style,
                   std::vector<ControlTemplate> controls)
        : id(id), caption(std::move(caption)), width(width), height(height), style(style),
          controls(std::move(controls)) {}

    int id = 0;
    std::wstring caption;
    int width = 0; // of the client area
    int height = 0;
    unsigned style = 0;
    std::vector<ControlTemplate> controls;
};

// Dialog units to pixels with the font's base units, as MapDialogRect does.
Rect DialogUnitsToPixels(const ControlTemplate& control, Size baseUnits);
Size DialogUnitsToPixels(const DialogTemplate& dialog, Size baseUnits);

// The name of a kind as transcripts and scripts show it ("edit", "tree", ...).
const wchar_t* ControlKindName(ControlKind kind);

} // namespace ui
