// Importing Projects, Equipments and drawings into the window's selection, and sending the
// selection to a backup folder.

#include "TreeOperations.h"

using namespace ovtest;
using namespace ui::act;

TEST_F(TreeOperations, AnImportedEquipmentFillsAnEmptyProjectDescription) {
    installation.WriteBytes(L"P\\S\\S.itm", ManageFileBytes({L"工程名称="}, {}));
    TempFolder outside;
    outside.WriteBytes(L"外\\外.itm",
                       ManageFileBytes({L"工程名称=外部工程", L"工程合同号=HT-9"}, {}));
    outside.WriteBytes(L"外\\E\\E.prj", ManageFileBytes({L"设备名称=E柜"}, {L"e.dwg<>"}));
    outside.WriteBytes(L"外\\E\\e.dwg", "e");
    CManageDlg* window = Open(L"XMMANAGE");
    Backend().QueueFile(outside.Path(L"外\\E\\E.prj"));
    Backend().QueueAnswer(ui::IDYES);
    Act(window, RightClick(124, L"P|S", 199));
    ASSERT_FALSE(Backend().FileRequests().empty());
    EXPECT_EQ(Backend().FileRequests().back().title, L"选择导入的设备");
    EXPECT_EQ(Backend().FileRequests().back().filter, L"Tessaline设备管理文件(*.prj)|*.prj|");
    EXPECT_EQ(Content(L"P\\S\\E\\e.dwg"), "e");
    EXPECT_EQ(LastBox().text, L"是否要用设备的工程信息填写此项目的工程信息！");
    CManageFileInfo project;
    ASSERT_TRUE(project.ReadManageFile(installation.Path(L"P\\S\\S.itm")));
    std::vector<std::wstring> entries;
    for (const CExplainInfoNode& entry : project.Getm_ExplainInfoArray())
        entries.push_back(entry.Getm_StrTitle() + L"=" + entry.Getm_StrValue());
    EXPECT_EQ(entries, (std::vector<std::wstring>{L"工程合同号=HT-9", L"工程名称=外部工程"}))
        << "the blank value is filled in place, the missing title put in front";
    ui::HTREEITEM item = nullptr;
    EXPECT_TRUE(ui::FindTreeItem(window->GetSbTreeCtrl(), L"E", item));
    EXPECT_EQ(LockCount(), 0);
}

TEST_F(TreeOperations, ATemplateImportStartsInTheTemplateFolderAndNoEndsCleanly) {
    installation.WriteBytes(L"Template\\prjs\\柜\\柜.prj", ManageFileBytes({L"设备名称="}, {}));
    installation.WriteBytes(L"Template\\prjs\\P.itm", ManageFileBytes({L"工程名称=模板"}, {}));
    installation.WriteBytes(L"P\\P.itm", ManageFileBytes({L"工程名称="}, {L"SM:", L"说明.dwg<>"}));
    CManageDlg* window = Open(L"XMMANAGE");
    Backend().QueueFile(installation.Path(L"Template\\prjs\\柜\\柜.prj"));
    Backend().QueueAnswer(ui::IDNO);
    Act(window, RightClick(124, L"P", 209));
    EXPECT_EQ(Backend().FileRequests().back().initialFolder,
              installation.Path(L"Template\\prjs\\"));
    EXPECT_TRUE(installation.Exists(L"P\\柜\\柜.prj"));
    EXPECT_NE(installation.ReadBytes(L"P\\P.itm").find(Cp936(L"工程名称")), std::string::npos);
    EXPECT_EQ(installation.ReadBytes(L"P\\P.itm").find(Cp936(L"模板")), std::string::npos);
    EXPECT_EQ(LockCount(), 0);
    EXPECT_EQ(window->Getm_bBusy(), 0);
}

TEST_F(TreeOperations, DrawingsImportedIntoATypeLeaveOutNamesOfOtherTypes) {
    TempFolder outside;
    outside.WriteBytes(L"原理1.dwg", "new 原理1");
    outside.WriteBytes(L"新.dwg", "new");
    CManageDlg* window = Open(L"XMMANAGE");
    Backend().QueueFile(outside.Path(L"原理1.dwg") + L"\n" + outside.Path(L"新.dwg"));
    Act(window, RightClick(125, L"N|原理图", 200));
    EXPECT_EQ(Backend().FileRequests().back().title, L"选择导入的文件");
    EXPECT_EQ(LastBox().text, L"在类型“屏面布置图”下,存在同名文件“原理1.dwg”不能导入本类型");
    EXPECT_EQ(Content(L"P\\N\\新.dwg"), "new");
    EXPECT_EQ(Content(L"P\\N\\原理1.dwg"), Cp936(L"原理1.dwg")) << "not replaced";
    EXPECT_EQ(Listed(L"P\\N\\N.prj").back(), L"YL: 新.dwg<>");
}

TEST_F(TreeOperations, MoreNamesThanTheChooserHoldsImportNothing) {
    TempFolder outside;
    std::wstring choice;
    // 100 names of 25 characters and their zeros pass 2562 characters.
    for (int n = 0; n < 100; ++n) {
        std::wstring name = L"drawing-with-a-long-" + std::to_wstring(1000 + n) + L".dwg";
        outside.WriteBytes(name, "x");
        choice += (n ? L"\n" : L"") + outside.Path(name);
    }
    CManageDlg* window = Open(L"XMMANAGE");
    Backend().QueueFile(choice);
    Act(window, RightClick(125, L"N", 200));
    EXPECT_EQ(LastBox().text, L"请减少选择的文件数目。");
    EXPECT_EQ(LastBox().caption, L"");
    EXPECT_FALSE(installation.Exists(L"P\\N\\drawing-with-a-long-1000.dwg"));
    EXPECT_EQ(LockCount(), 0);

    Backend().QueueFile(outside.Path(L"drawing-with-a-long-1000.dwg"));
    Act(window, RightClick(125, L"N", 200));
    EXPECT_TRUE(installation.Exists(L"P\\N\\drawing-with-a-long-1000.dwg"));
    EXPECT_EQ(Listed(L"P\\N\\N.prj")[1], L": drawing-with-a-long-1000.dwg<>");
}

TEST_F(TreeOperations, SendToCopiesTheSelectionIntoTheChosenFolder) {
    TempFolder backup;
    CManageDlg* window = Open(L"XMMANAGE");
    Backend().QueueFolder(backup.Path(L""));
    Act(window, RightClick(125, L"N|原理图", 197));
    ASSERT_FALSE(Backend().FolderRequests().empty());
    EXPECT_EQ(Backend().FolderRequests().back().title, L"选择类型“原理图”所包含图形文件的备份位置");
    EXPECT_EQ(Backend().FolderRequests().back().initialFolder, installation.Path(L"P\\N"));
    EXPECT_TRUE(backup.Exists(L"说明.dwg"));
    EXPECT_TRUE(backup.Exists(L"011-E.dwg"));

    Backend().QueueFolder(backup.Path(L""));
    Act(window, RightClick(124, L"P|S", 197));
    EXPECT_EQ(Backend().FolderRequests().back().title, L"选择项目“S”的备份位置");
    EXPECT_TRUE(backup.Exists(L"S\\T\\t1.dwg"));
    EXPECT_EQ(window->Getm_bBusy(), 0);
}
