#pragma once
// A dialog with one control of every kind, recording what reaches its handlers.

#include "platform/ui/DataExchange.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/Menu.h"
#include "platform/ui/MessageBox.h"

#include <string>
#include <vector>

namespace ovtest {

inline constexpr int kName = 101;
inline constexpr int kAgree = 102;
inline constexpr int kKind = 103;  // radio buttons 103 and 104
inline constexpr int kCity = 105;  // combo box with an edit field
inline constexpr int kLevel = 106; // drop-down list
inline constexpr int kNames = 107; // list box
inline constexpr int kTree = 108;
inline constexpr int kList = 109;
inline constexpr int kPreview = 110;
inline constexpr int kLabel = 111;
inline constexpr unsigned kMenuOpen = 32771;
inline constexpr unsigned kMenuDelete = 32772;

class SampleDialog : public ui::Dialog {
public:
    SampleDialog()
        : ui::Dialog(ui::DialogTemplate{
              950,
              L"样例对话框",
              330,
              200,
              0,
              {{kLabel, ui::ControlKind::Static, L"工程名称：", 7, 9, 45, 8},
               {kName, ui::ControlKind::Edit, L"", 55, 7, 100, 12},
               {kAgree, ui::ControlKind::CheckBox, L"同意", 7, 25, 60, 10},
               {kKind, ui::ControlKind::RadioButton, L"项目", 7, 39, 40, 10},
               {kKind + 1, ui::ControlKind::RadioButton, L"设备", 50, 39, 40, 10},
               {kCity, ui::ControlKind::ComboBox, L"", 7, 53, 70, 60, ui::CBS_DROPDOWN},
               {kLevel, ui::ControlKind::ComboBox, L"", 85, 53, 70, 60, ui::CBS_DROPDOWNLIST},
               {kNames, ui::ControlKind::ListBox, L"", 7, 72, 70, 50},
               {kPreview, ui::ControlKind::PreviewFrame, L"", 85, 72, 70, 50},
               {kTree, ui::ControlKind::Tree, L"", 165, 7, 158, 70,
                ui::TVS_HASBUTTONS | ui::TVS_HASLINES | ui::TVS_LINESATROOT},
               {kList, ui::ControlKind::List, L"", 165, 82, 158, 90, ui::LVS_REPORT},
               {ui::IDOK, ui::ControlKind::PushButton, L"确定", 218, 179, 50, 14,
                ui::BS_DEFPUSHBUTTON},
               {ui::IDCANCEL, ui::ControlKind::PushButton, L"取消", 273, 179, 50, 14}}}) {}

    bool OnInitDialog() override {
        ui::Dialog::OnInitDialog();
        auto* city = GetDlgItemAs<ui::ComboBox>(kCity);
        for (const wchar_t* name : {L"北京", L"上海", L"广州"})
            city->AddString(name);
        auto* level = GetDlgItemAs<ui::ComboBox>(kLevel);
        for (const wchar_t* name : {L"一级", L"二级"})
            level->AddString(name);
        level->SetCurSel(0);
        auto* names = GetDlgItemAs<ui::ListBox>(kNames);
        for (const wchar_t* name : {L"甲", L"乙", L"丙"})
            names->AddString(name);
        images.Add(ui::icon::kProject);
        images.Add(ui::icon::kEquipment);
        images.Add(ui::icon::kDrawing);
        auto* tree = GetDlgItemAs<ui::TreeCtrl>(kTree);
        tree->SetImageList(&images);
        project = tree->InsertItem(L"变电站工程", 0, 0);
        panel = tree->InsertItem(L"1号保护屏", 1, 1, project);
        drawing = tree->InsertItem(L"原理图.dwg", 2, 2, panel);
        tree->InsertItem(L"2号保护屏", 1, 1, project);
        tree->Expand(project, ui::TVE_EXPAND);
        auto* list = GetDlgItemAs<ui::ListCtrl>(kList);
        list->SetExtendedStyle(ui::LVS_EX_CHECKBOXES | ui::LVS_EX_FULLROWSELECT);
        list->InsertColumn(0, L"标题", ui::LVCFMT_LEFT, 90);
        list->InsertColumn(1, L"内容", ui::LVCFMT_LEFT, 130);
        list->InsertItem(0, L"工程名称");
        list->SetItemText(0, 1, L"某变电站");
        list->InsertItem(1, L"设备型号");
        list->SetItemText(1, 1, L"PRC-31");
        return true;
    }
    void DoDataExchange(ui::DataExchange& exchange) override {
        ui::DDX_Text(exchange, kName, name);
        ui::DDX_Check(exchange, kAgree, agree);
        ui::DDX_Radio(exchange, kKind, kind);
    }
    void OnOK() override {
        if (refuseEmptyName && GetDlgItemText(kName).empty()) {
            ui::MessageBox(this, L"名称不能为空！", L"Tessaline",
                           ui::MB_OK | ui::MB_ICONEXCLAMATION);
            return;
        }
        ui::Dialog::OnOK();
    }
    bool OnCommand(int id, unsigned code) override {
        events.push_back(L"command " + std::to_wstring(id) + L" " + std::to_wstring(code));
        return false;
    }
    bool OnNotify(int id, ui::NMHDR& header, ui::LRESULT&) override {
        events.push_back(L"notify " + std::to_wstring(id) + L" " + std::to_wstring(header.code));
        if (id == kTree && header.code == ui::NM_RCLICK) {
            ui::Menu menu({{kMenuOpen, L"打开"}, {}, {kMenuDelete, L"删除"}});
            ui::Point cursor = ui::CurrentBackend().GetCursorPos();
            chosen = menu.TrackPopupMenu(ui::TPM_RETURNCMD, cursor.x, cursor.y, this);
        }
        return false;
    }
    bool OnMessage(unsigned message, ui::WPARAM wParam, ui::LPARAM, ui::LRESULT&) override {
        if (message == ui::WM_USER + 7)
            events.push_back(L"posted " + std::to_wstring(wParam));
        return message == ui::WM_USER + 7;
    }
    void OnTimer(uintptr_t id) override {
        events.push_back(L"timer " + std::to_wstring(id));
        KillTimer(id);
    }
    void OnPaint() override {
        auto* frame = GetDlgItemAs<ui::PreviewFrame>(kPreview);
        ui::Canvas& canvas = frame->GetCanvas();
        canvas.Fill(ui::RGB(0, 0, 0));
        for (int x = 0; x < canvas.Width(); ++x)
            canvas.SetPixel(x, canvas.Height() / 2, ui::RGB(255, 0, 0));
        canvas.Touch();
        frame->CanvasPainted();
    }

    bool Saw(const std::wstring& event) const { return Position(event) >= 0; }
    // Where the event is among those seen, or -1.
    int Position(const std::wstring& event) const {
        for (size_t index = 0; index < events.size(); ++index)
            if (events[index] == event)
                return static_cast<int>(index);
        return -1;
    }

    std::wstring name = L"初始名称";
    int agree = 0;
    int kind = 0;
    bool refuseEmptyName = false;
    unsigned chosen = 0;
    std::vector<std::wstring> events;
    ui::ImageList images;
    ui::HTREEITEM project = nullptr;
    ui::HTREEITEM panel = nullptr;
    ui::HTREEITEM drawing = nullptr;
};

} // namespace ovtest
