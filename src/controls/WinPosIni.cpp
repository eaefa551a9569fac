#include "controls/WinPosIni.h"

#include "drawing/EditOprt.h"
#include "platform/text/PrivateProfile.h"
#include "platform/ui/Dialog.h"
#include "suite/Ov2002GetInstallPath/Ov2002GetInstallPath.h"

#include <string>

namespace {

std::wstring Section(const ui::Dialog& window, const std::wstring& strName) {
    return strName.empty() ? window.GetWindowText() : strName;
}

struct Key {
    const wchar_t* name;
    int defaultValue;
};

// In the order they are written.
const Key kKeys[] = {{L"ptMinPosition.x", 0},          {L"ptMinPosition.y", 0},
                     {L"ptMaxPosition.x", 0},          {L"ptMaxPosition.y", 0},
                     {L"rcNormalPosition.left", 0},    {L"rcNormalPosition.top", 0},
                     {L"rcNormalPosition.right", 640}, {L"rcNormalPosition.bottom", 640}};

int* Field(ui::WINDOWPLACEMENT& placement, int index) {
    int* fields[] = {&placement.ptMinPosition.x,        &placement.ptMinPosition.y,
                     &placement.ptMaxPosition.x,        &placement.ptMaxPosition.y,
                     &placement.rcNormalPosition.left,  &placement.rcNormalPosition.top,
                     &placement.rcNormalPosition.right, &placement.rcNormalPosition.bottom};
    return fields[index];
}

} // namespace

std::wstring WinPosIniPath() {
    return CEditOprt::JoinPath(GetTessalLocalInstallPath(), L"LocalData\\WinPos.Ini");
}

int SaveWindowPlacementToIni(ui::Dialog& window, const std::wstring& strName) {
    std::wstring strSection = Section(window, strName);
    if (strSection.empty() || window.IsIconic())
        return 0;
    ui::WINDOWPLACEMENT placement;
    window.GetWindowPlacement(&placement);
    std::wstring strFile = WinPosIniPath();
    int nIndex = 0;
    for (const Key& key : kKeys)
        text::WritePrivateProfileStringW(strSection, key.name,
                                         std::to_wstring(*Field(placement, nIndex++)), strFile);
    text::WritePrivateProfileStringW(strSection, L"IsMaxSize", window.IsZoomed() ? L"1" : L"0",
                                     strFile);
    return 1;
}

int RestoreWindowPlacementFromIni(ui::Dialog& window, const std::wstring& strName) {
    std::wstring strSection = Section(window, strName);
    std::wstring strFile = WinPosIniPath();
    if (text::GetPrivateProfileIntW(strSection, L"IsMaxSize", 0, strFile) != 0) {
        window.ShowWindow(ui::SW_MAXIMIZE);
        return 1;
    }
    window.SetRedraw(false);
    ui::WINDOWPLACEMENT placement;
    window.GetWindowPlacement(&placement);
    ui::Rect current = placement.rcNormalPosition;
    int nIndex = 0;
    for (const Key& key : kKeys)
        *Field(placement, nIndex++) =
            text::GetPrivateProfileIntW(strSection, key.name, key.defaultValue, strFile);
    ui::Rect& saved = placement.rcNormalPosition;
    bool bApply = !current.IsRectEmpty() && saved.left >= 1 && saved.top >= 1;
    if (bApply) {
        if (!(window.GetTemplate().style & ui::WS_THICKFRAME)) {
            saved.right = saved.left + current.Width();
            saved.bottom = saved.top + current.Height();
        }
        // Placing the window does not show it: the caller shows it when it is ready.
        placement.showCmd = window.IsWindowVisible() ? ui::SW_SHOWNORMAL : ui::SW_HIDE;
        window.SetWindowPlacement(placement);
    }
    window.SetRedraw(true);
    return bApply ? 1 : 0;
}
