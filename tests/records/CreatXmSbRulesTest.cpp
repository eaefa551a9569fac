// The creation's rules without a window: naming, the starting rows, templates, how the
// dialog's entries meet a template's, and the creation refusing before it makes anything or
// taking back what it made.

#include "records/CreatXmSbRules.h"
#include "platform/fs/FileIo.h"
#include "suite/OvXmInfo/ManageFileInfo.h"
#include "support/HostSupport.h"
#include "support/SampleProject.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

using namespace ovtest;

namespace {

std::vector<CExplainInfoNode> Entries(const std::vector<std::wstring>& pairs) {
    std::vector<CExplainInfoNode> entries;
    for (const std::wstring& pair : pairs) {
        size_t equals = pair.find(L'=');
        entries.emplace_back(pair.substr(0, equals), pair.substr(equals + 1));
    }
    return entries;
}

std::vector<std::wstring> Pairs(const std::vector<CExplainInfoNode>& entries) {
    std::vector<std::wstring> pairs;
    for (const CExplainInfoNode& entry : entries)
        pairs.push_back(entry.Getm_StrTitle() + L"=" + entry.Getm_StrValue());
    return pairs;
}

} // namespace

TEST(CreatXmSbRules, NamingJoinsTheSchemesValuesAndLetsOneStandAlone) {
    using create::ProposeName;
    EXPECT_EQ(ProposeName(Entries({L"工程名称=", L"工程合同号=123"}), 1, 1), L"123");
    EXPECT_EQ(ProposeName(Entries({L"工程名称=甲", L"工程合同号=123"}), 1, 0), L"甲-123");
    EXPECT_EQ(ProposeName(Entries({L"工程名称=甲", L"工程合同号=123"}), 1, 1), L"123-甲");
    EXPECT_EQ(ProposeName(Entries({L"工程名称=甲", L"工程名称=乙"}), 1, 0), L"乙")
        << "the last row of a title wins";
    EXPECT_EQ(ProposeName(Entries({L"设备图册号=B7", L"设备名称=1号柜"}), 0, 0), L"B7-1号柜");
    EXPECT_EQ(ProposeName(Entries({L"设备图册号=-B7-", L"设备名称="}), 0, 0), L"B7");
    EXPECT_EQ(ProposeName(Entries({L"设备图册号= ", L"设备名称= "}), 0, 0), L"")
        << "blank defaults propose nothing, not \" - \"";
    EXPECT_EQ(create::NamingSchemes(0),
              (std::vector<std::wstring>{L"设备图册号-设备名称", L"自定义"}));
}

TEST(CreatXmSbRules, TheRowsAreTheKindsDefaultTitlesWithTheParentsValues) {
    TempFolder folder;
    folder.WriteBytes(L"P\\P.itm",
                      ManageFileBytes({L"工程名称=甲", L"设备数量=4", L"颜色=灰", L"颜色=白"}, {}));
    std::vector<std::wstring> defaults = {
        L"工程名称", L" 工程合同号 ", L"设备名称", L"设备数量", L"颜色", L"", L"颜色"};
    std::wstring parent = folder.Path(L"P\\P.itm");
    EXPECT_EQ(Pairs(create::InitialRows(defaults, parent, 1)),
              (std::vector<std::wstring>{L"工程名称=甲", L"工程合同号=", L"颜色=灰"}));
    EXPECT_EQ(Pairs(create::InitialRows(defaults, parent, 0)),
              (std::vector<std::wstring>{L"设备名称=", L"设备数量=", L"颜色=灰"}))
        << "the quantity is emptied";
    EXPECT_EQ(Pairs(create::InitialRows(defaults, folder.Path(L"none.itm"), 0)).size(), 3u);
}

TEST(CreatXmSbRules, TemplatesAreTheFoldersHoldingTheirKindsFile) {
    TempFolder folder;
    std::wstring root = create::TemplateRoot(folder.Logical(), 0);
    EXPECT_EQ(root, folder.Path(L"Template\\prjs\\"));
    folder.WriteBytes(L"Template\\prjs\\Std2\\Std2.prj", ManageFileBytes({}, {}));
    folder.WriteBytes(L"Template\\prjs\\Std\\Std.prj", ManageFileBytes({}, {}));
    folder.WriteBytes(L"Template\\prjs\\Odd\\Std.prj", ManageFileBytes({}, {}));
    folder.WriteBytes(L"Template\\prjs\\Xm\\Xm.itm", ManageFileBytes({}, {}));
    std::vector<create::CContainerTemplate> found = create::FindTemplates(root, 0);
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].strName, L"Std");
    EXPECT_EQ(found[0].strFolder, folder.Path(L"Template\\prjs\\Std"));
    EXPECT_EQ(found[1].strName, L"Std2");
    EXPECT_EQ(create::TemplateComboText(2, L"Std"), L"模板2               Std");
}

TEST(CreatXmSbRules, AnEquipmentsEntriesMergeIntoTheTemplatesAndKeepItsQuantity) {
    auto file = Entries({L"设备数量=4", L"设备名称=模板柜", L"设备型号=X"});
    EXPECT_EQ(
        Pairs(create::EquipmentEntries(
            file, Entries({L"设备数量=2", L"设备名称=1号柜", L"设备型号= ", L"颜色=灰"}))),
        (std::vector<std::wstring>{L"颜色=灰", L"设备数量=4", L"设备名称=1号柜", L"设备型号=X"}));
    EXPECT_EQ(Pairs(create::EquipmentEntries(file, {})), Pairs(file))
        << "no rows (no word dictionary) leave the template's block";
    EXPECT_EQ(Pairs(create::EquipmentEntries({}, Entries({L"设备名称=1号柜"}))),
              (std::vector<std::wstring>{L"设备名称=1号柜"}));
}

TEST(CreatXmSbRules, AProjectsFilledRowReplacesTheTemplatesEntryOfItsTitle) {
    EXPECT_EQ(
        Pairs(create::ProjectEntries(Entries({L"工程名称=旧工程", L"工程地点=城东"}),
                                     Entries({L"工程名称=新工程", L"工程地点= ", L"工程合同号="}))),
        (std::vector<std::wstring>{L"工程名称=新工程", L"工程合同号=", L"工程地点=城东"}));
}

namespace {

// A Project P in an installation, with an Equipment template "Std" holding a drawing.
class CreatXmSbRefusals : public ::testing::Test {
protected:
    CreatXmSbRefusals() {
        installation.WriteBytes(L"Projects\\P\\P.itm", ManageFileBytes({L"工程名称=城东"}, {}));
        installation.WriteBytes(L"Template\\prjs\\Std\\Std.prj",
                                ManageFileBytes({L"设备数量=4"}, {L"YL:", L"1.dwg<>"}));
        installation.WriteBytes(L"Template\\prjs\\Std\\1.dwg", std::string(20000, 'x'));
        request.strParentFolder = installation.Path(L"Projects\\P");
        request.strCaption = L"新建设备";
        request.entries = Entries({L"设备名称=1号柜"});
    }
    // What the folder P holds, by name.
    std::vector<std::wstring> Contents() {
        std::vector<std::wstring> names;
        for (const auto& entry :
             std::filesystem::directory_iterator(installation.NativePath(L"Projects\\P")))
            names.push_back(entry.path().filename().wstring());
        std::sort(names.begin(), names.end());
        return names;
    }
    std::wstring LastBox() {
        return host.Boxes().Boxes().empty() ? L"" : host.Boxes().Boxes().back().text;
    }

    TempInstallation installation;
    HostSession host;
    create::CCreateRequest request;
};

} // namespace

TEST_F(CreatXmSbRefusals, NamesTheFolderCannotTakeAreRefusedBeforeAnythingIsMade) {
    for (const wchar_t* name : {L"..\\x", L"a/b", L"CON", L"x."}) {
        request.strName = name;
        request.bIsXm = 1;
        EXPECT_EQ(create::CreatXmSb(request, nullptr), 0) << name;
        std::wstring expected = L"“";
        expected += name;
        expected += L"”不能用作项目名称。";
        EXPECT_EQ(LastBox(), expected);
    }
    request.bIsXm = 0;
    request.strName = L"..";
    EXPECT_EQ(create::CreatXmSb(request, nullptr), 0);
    EXPECT_EQ(LastBox(), L"“..”不能用作设备名称。");
    EXPECT_EQ(Contents(), std::vector<std::wstring>{L"P.itm"});
    EXPECT_FALSE(installation.Exists(L"Projects\\x"));
}

TEST_F(CreatXmSbRefusals, AManagementFileOfEitherKindInTheFolderRefusesTheName) {
    installation.WriteBytes(L"Projects\\P\\Q\\Q.prj", ManageFileBytes({L"设备名称=旧"}, {}));
    request.bIsXm = 1;
    request.strCaption = L"新建项目";
    request.strName = L"q  ";
    EXPECT_EQ(create::CreatXmSb(request, nullptr), 0);
    EXPECT_EQ(LastBox(), L"在新建项目\"q\"的位置上，已经存在一个同名设备。")
        << "names are compared without regard to case; trailing blanks go";
    EXPECT_EQ(host.Boxes().Boxes().back().flags, ui::MB_OK | ui::MB_ICONEXCLAMATION);
    EXPECT_EQ(installation.ReadBytes(L"Projects\\P\\Q\\Q.prj"),
              ManageFileBytes({L"设备名称=旧"}, {}));
}

TEST_F(CreatXmSbRefusals, ATemplateGoneMeanwhileIsRefusedAndNothingIsMade) {
    request.strName = L"E";
    request.strTemplateFolder = installation.Path(L"Template\\prjs\\Gone");
    request.strTemplateText = create::TemplateComboText(2, L"Gone");
    EXPECT_EQ(create::CreatXmSb(request, nullptr), 0);
    EXPECT_EQ(LastBox(), L"模板模板2               Gone不存在，请重新选择");
    EXPECT_EQ(Contents(), std::vector<std::wstring>{L"P.itm"});
}

TEST_F(CreatXmSbRefusals, ACopyOrWriteThatFailsTakesTheNewFolderAway) {
    request.strName = L"E";
    request.strTemplateFolder = installation.Path(L"Template\\prjs\\Std");
    {
        FileSizeLimit fullDisk(10000);
        EXPECT_EQ(create::CreatXmSb(request, nullptr), 0);
    }
    EXPECT_NE(LastBox().find(L"不能把"), std::wstring::npos) << LastBox();
    EXPECT_EQ(Contents(), std::vector<std::wstring>{L"P.itm"}) << "no half-made Equipment";

    request.strTemplateFolder.clear();
    fs::FailWritesBeforeRenameForTesting(1);
    EXPECT_EQ(create::CreatXmSb(request, nullptr), 0);
    EXPECT_EQ(LastBox().rfind(L"设备管理文件“", 0), 0u) << LastBox();
    EXPECT_EQ(Contents(), std::vector<std::wstring>{L"P.itm"});

    // An existing folder is used, and stays when the creation fails.
    installation.MakeFolder(L"Projects\\P\\E");
    fs::FailWritesBeforeRenameForTesting(1);
    EXPECT_EQ(create::CreatXmSb(request, nullptr), 0);
    EXPECT_TRUE(installation.Exists(L"Projects\\P\\E"));
    EXPECT_EQ(create::CreatXmSb(request, nullptr), 1);
    CManageFileInfo made;
    ASSERT_EQ(made.ReadManageFile(installation.Path(L"Projects\\P\\E\\E.prj")), 1);
    EXPECT_EQ(Pairs(made.Getm_ExplainInfoArray()), std::vector<std::wstring>{L"设备名称=1号柜"});
}
