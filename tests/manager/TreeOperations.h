#pragma once
// The management window on the sample Project with one more Equipment whose drawings carry
// numbers, for the tests of the tree operations:
//
//   P\N\N.prj  图1.dwg without type; 屏面布置图 (PM) with 01-A, 02-X, 03-B, 04-C, 010-D and
//              原理1.dwg; 原理图 (YL) with 说明.dwg and 011-E.dwg
//
// Deleted files go to a trash of the test's own.

#include "ManageWindow.h"

#include "platform/text/TextFile.h"
#include "platform/ui/Actions.h"
#include "suite/OvXmInfo/FileStyleNodeInfo.h"
#include "suite/OvXmInfo/ManageFileInfo.h"

#include <cstdlib>

namespace ovtest {

class TreeOperations : public ManageWindow {
protected:
    TreeOperations() {
        ::setenv("XDG_DATA_HOME", trash.Native().c_str(), 1);
        installation.WriteBytes(
            L"P\\N\\N.prj",
            ManageFileBytes({L"设备名称=3号柜"},
                            {L"图1.dwg<>", L"PM:", L"01-A.dwg<>", L"02-X.dwg<>", L"03-B.dwg<>",
                             L"04-C.dwg<>", L"010-D.dwg<>", L"原理1.dwg<>", L"YL:", L"说明.dwg<>",
                             L"011-E.dwg<>"}));
        for (const wchar_t* name : {L"图1.dwg", L"01-A.dwg", L"02-X.dwg", L"03-B.dwg", L"04-C.dwg",
                                    L"010-D.dwg", L"原理1.dwg", L"说明.dwg", L"011-E.dwg"})
            installation.WriteBytes(std::wstring(L"P\\N\\") + name, Cp936(name));
    }
    ~TreeOperations() override { ::unsetenv("XDG_DATA_HOME"); }

    std::string Content(const std::wstring& file) { return installation.ReadBytes(file); }
    std::wstring SelectedText(CManageDlg* window) {
        ui::TreeCtrl& tree = window->GetSbTreeCtrl();
        return tree.GetSelectedItem() ? tree.GetItemText(tree.GetSelectedItem()) : L"";
    }
    const ui::RecordedMessageBox& LastBox() { return Backend().Boxes().back(); }
    int LockCount() { return host.Current() ? host.Current()->lockCount() : 0; }

    TempFolder trash;
};

} // namespace ovtest
