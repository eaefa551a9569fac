// The tree half of the management-file library: the items it puts in the window's two trees,
// how it finds the node of an item, selects, opens and removes items.

#include "suite/OvXmInfo/XmSbTreeNodeInfo.h"
#include "platform/ui/ImageList.h"
#include "suite/OvXmInfo/FileInfoNode.h"
#include "suite/OvXmInfo/FileStyleNodeInfo.h"
#include "suite/OvXmInfo/ManageFileInfo.h"
#include "suite/OvXmInfo/XmComonPar.h"
#include "suite/OvXmInfo/XmSbInfo.h"
#include "support/SampleProject.h"
#include "support/StyleCatalogue.h"
#include "support/TreeText.h"

#include <gtest/gtest.h>

using namespace ovtest;
using Lines = std::vector<std::wstring>;

namespace {

class XmSbTree : public ::testing::Test {
protected:
    XmSbTree() {
        WriteSampleProject(folder);
        g_XmComonPar.SetXmAndSbTreeCtrl(&content, &projects);
        g_XmComonPar.SetImageListOfTreeCtrl(&images);
    }
    ~XmSbTree() override {
        root.reset();
        g_XmComonPar.ClearMemberVar();
        g_XmComonPar.ClearArrayMemory();
    }
    CXmSbTreeNodeInfo* Open(const std::wstring& path) {
        auto record = std::make_unique<CXmSbInfo>();
        EXPECT_TRUE(record->SetPrimerInfoByInputManageFilePathName(folder.Path(path)));
        record->SearchVaildChildXmSbOneLevel(1);
        root = std::make_unique<CXmSbTreeNodeInfo>(record.release());
        return root.get();
    }
    CXmSbTreeNodeInfo* Child(CXmSbTreeNodeInfo* node, size_t index) {
        return node->Getm_ChildXmSbNodeArray().at(index).get();
    }
    int KindOf(ui::TreeCtrl& tree, const std::wstring& path, CTreeDataNode* searchRoot = nullptr) {
        CTreeDataNode* node = nullptr;
        int kind = -1;
        CXmSbTreeNodeInfo::FindSelTreeNodeByHtreeitem(
            static_cast<CXmSbTreeNodeInfo*>(searchRoot ? searchRoot : root.get()),
            TreeItem(tree, path), &tree == &projects, node, kind);
        return kind;
    }

    TempFolder folder;
    ScopedStyleCatalogue catalogue{SampleCatalogueLines()};
    ui::TreeCtrl content;
    ui::TreeCtrl projects;
    ui::ImageList images;
    std::unique_ptr<CXmSbTreeNodeInfo> root;
};

} // namespace

TEST_F(XmSbTree, AProjectFillsTheProjectTreeAndItsContentTheContentTree) {
    EXPECT_EQ(images.GetImageCount(), 6);
    EXPECT_EQ(images.GetIconName(kImageProject), ui::icon::kProject);
    EXPECT_EQ(images.GetIconName(kImageEquipmentCurrent), ui::icon::kEquipmentCurrent);
    EXPECT_EQ(images.GetIconName(kImageStyle), ui::icon::kDrawingType);

    CXmSbTreeNodeInfo* project = Open(L"P\\P.itm");
    ASSERT_EQ(CXmSbTreeNodeInfo::InsertXmSbNameItemToTree(project), 1);
    EXPECT_EQ(TreeLines(projects), (Lines{L"P [0]", L"  S [0]"}))
        << "sub-Projects only; T is an Equipment";
    ASSERT_EQ(CXmSbTreeNodeInfo::SelectTreeNode(project), 1);
    EXPECT_EQ(TreeLines(projects), (Lines{L"P [0] + *", L"  S [0]"}));

    ASSERT_EQ(CXmSbTreeNodeInfo::SerachAndInsertChildItem(project, 0), 1);
    EXPECT_EQ(TreeLines(content), (Lines{L"Q [2]", L"R [2]", L"说明书 [4]", L"  说明.dwg [5]"}));
    CXmSbTreeNodeInfo* q = Child(project, 0);
    ASSERT_EQ(CXmSbTreeNodeInfo::SerachAndInsertChildItem(q, 0), 1);
    EXPECT_EQ(TreeLines(content),
              (Lines{L"Q [2]", L"  屏面布置图 [4]", L"    图2.dwg [5]", L"    图1.dwg [5]",
                     L"  原理图 [4]", L"    原理1.dwg [5]", L"  清单.xls [5]", L"R [2]",
                     L"说明书 [4]", L"  说明.dwg [5]"}))
        << "types first, then the drawings without type";
    int image = 0;
    int selectedImage = 0;
    content.GetItemImage(TreeItem(content, L"Q|屏面布置图"), image, selectedImage);
    EXPECT_EQ(selectedImage, kImageStyleOpen);

    EXPECT_EQ(KindOf(projects, L"P"), 0);
    EXPECT_EQ(KindOf(projects, L"P|S"), 0);
    EXPECT_EQ(KindOf(content, L"Q"), 1);
    EXPECT_EQ(KindOf(content, L"Q|原理图"), 2);
    EXPECT_EQ(KindOf(content, L"Q|原理图|原理1.dwg"), 3);
    EXPECT_EQ(KindOf(content, L"Q|清单.xls"), 3);
    EXPECT_EQ(KindOf(content, L"说明书|说明.dwg"), 3);
    EXPECT_EQ(KindOf(projects, L"Q"), 4) << "not an item of the project tree";
    EXPECT_EQ(KindOf(content, L"R", Child(project, 2)), 4) << "not below S";
    ui::HTREEITEM stranger = content.InsertItem(L"stranger");
    CTreeDataNode* node = nullptr;
    int kind = 0;
    EXPECT_EQ(CXmSbTreeNodeInfo::FindSelTreeNodeByHtreeitem(project, stranger, 0, node, kind), 0);
    EXPECT_EQ(node, nullptr);
    EXPECT_EQ(kind, 4) << "an item that is no node's";

    EXPECT_EQ(CXmSbTreeNodeInfo::GetNameAndExplainStr(q),
              L"设备：Q\r\n工程名称：某变电站\r\n设备名称：1号柜");
    CTreeDataNode* style = nullptr;
    CXmSbTreeNodeInfo::FindSelTreeNodeByHtreeitem(project, TreeItem(content, L"Q|屏面布置图"), 0,
                                                  style, kind);
    EXPECT_EQ(
        CDrawFileStyleNode::GetTwoStyleNameForEditString(static_cast<CDrawFileStyleNode*>(style)),
        L"类型名称：屏面布置图\r\n系统类型：PM");
}

TEST_F(XmSbTree, ItemsOfNodesThatAreGoneStandForNothing) {
    CXmSbTreeNodeInfo* project = Open(L"P\\P.itm");
    CXmSbTreeNodeInfo::InsertXmSbNameItemToTree(project);
    CXmSbTreeNodeInfo::SerachAndInsertChildItem(project, 0);
    ui::HTREEITEM q = TreeItem(content, L"Q");
    root.reset(); // the window replaces its root before it empties the trees
    EXPECT_TRUE(content.IsItem(q));
    CTreeDataNode* node = nullptr;
    int kind = 0;
    EXPECT_EQ(CTreeDataNode::FromTreeItem(content, q), nullptr);
    Open(L"P\\P.itm");
    EXPECT_EQ(CXmSbTreeNodeInfo::FindSelTreeNodeByHtreeitem(root.get(), q, 0, node, kind), 0);
    EXPECT_EQ(kind, 4);
}

TEST_F(XmSbTree, SortingOrdersTheRecordsAndTheItemsAndOpenTypesStayOpen) {
    CXmSbTreeNodeInfo* q = Open(L"P\\Q\\Q.prj");
    ASSERT_EQ(CXmSbTreeNodeInfo::InsertXmSbNameItemToTree(q), 1);
    EXPECT_EQ(TreeLines(projects), Lines{});
    CXmSbTreeNodeInfo::SerachAndInsertChildItem(q, 0);
    content.Expand(TreeItem(content, L"Q|屏面布置图"), ui::TVE_EXPAND);
    CXmSbTreeNodeInfo::SerachAndInsertChildItem(q, 1);
    EXPECT_EQ(TreeLines(content),
              (Lines{L"Q [2]", L"  屏面布置图 [4] +", L"    图1.dwg [5]", L"    图2.dwg [5]",
                     L"  原理图 [4]", L"    原理1.dwg [5]", L"  清单.xls [5]"}));
    ASSERT_TRUE(q->Getm_pManageFileInfo()->WriteManageFile());
    CManageFileInfo reread;
    ASSERT_TRUE(reread.ReadManageFile(folder.Path(L"P\\Q\\Q.prj")));
    EXPECT_EQ(
        reread.FindStyNodeByInputSysOrDisName(L"PM")->Getm_FileInfoArray()[0]->Getm_strFileName(),
        L"图1.dwg");

    // The window's trees are emptied at times: open types are remembered across that too, for
    // the window's lifetime.
    for (bool forget : {false, true}) {
        content.DeleteAllItems();
        if (forget)
            g_XmComonPar.ClearArrayMemory();
        CXmSbTreeNodeInfo::InsertXmSbNameItemToTree(q);
        CXmSbTreeNodeInfo::SerachAndInsertChildItem(q, 0);
        EXPECT_EQ(TreeLines(content)[1], forget ? L"  屏面布置图 [4]" : L"  屏面布置图 [4] +");
    }
}

TEST_F(XmSbTree, ReselectingFindsContainersTypesAndDrawingsByFolderAndName) {
    CXmSbTreeNodeInfo* project = Open(L"P\\P.itm");
    CXmSbTreeNodeInfo::InsertXmSbNameItemToTree(project);
    CXmSbTreeNodeInfo::SerachAndInsertChildItem(project, 0);
    std::wstring q = folder.Path(L"P\\Q");
    // Q's drawings were never shown: they are inserted so that one can be selected.
    ASSERT_EQ(CXmSbTreeNodeInfo::SerachAndSelectStyDwgTreeNode(project, q, L"原理1.DWG", 3), 1);
    EXPECT_EQ(content.GetSelectedItem(), TreeItem(content, L"Q|原理图|原理1.dwg"));
    ASSERT_EQ(CXmSbTreeNodeInfo::SerachAndSelectStyDwgTreeNode(project, q, L"PM", 2), 1);
    EXPECT_EQ(content.GetSelectedItem(), TreeItem(content, L"Q|屏面布置图"));
    ASSERT_EQ(CXmSbTreeNodeInfo::SerachAndSelectStyDwgTreeNode(project, q + L"\\", L"", 2), 1);
    EXPECT_EQ(content.GetSelectedItem(), TreeItem(content, L"Q")) << "no type: the container";
    EXPECT_EQ(CXmSbTreeNodeInfo::SerachAndSelectStyDwgTreeNode(project, q, L"无此图.dwg", 3), 0);
    ASSERT_EQ(CXmSbTreeNodeInfo::SerachAndSelectXmSbTreeNode(project, folder.Path(L"p\\s")), 1);
    EXPECT_EQ(projects.GetSelectedItem(), TreeItem(projects, L"P|S"));
    EXPECT_EQ(CXmSbTreeNodeInfo::SerachAndSelectXmSbTreeNode(project, folder.Path(L"P\\X")), 0);
}

TEST_F(XmSbTree, DeletingRemovesItemsAndWhenAskedTheNodeAndItsRecord) {
    CXmSbTreeNodeInfo* project = Open(L"P\\P.itm");
    CXmSbTreeNodeInfo::InsertXmSbNameItemToTree(project);
    CXmSbTreeNodeInfo::SerachAndInsertChildItem(project, 0);
    CXmSbTreeNodeInfo* q = Child(project, 0);
    CXmSbTreeNodeInfo::SerachAndInsertChildItem(q, 0);
    content.SelectItem(TreeItem(content, L"Q|屏面布置图|图1.dwg"));

    ASSERT_EQ(CXmSbTreeNodeInfo::DeleteTreeCtrlChildNode(project), 1);
    EXPECT_EQ(TreeLines(projects), Lines{L"P [0]"});
    EXPECT_EQ(TreeLines(content), Lines{}) << "the Project's content went with it";
    CXmSbTreeNodeInfo::InsertXmSbNameItemToTree(project);
    EXPECT_EQ(TreeLines(projects), (Lines{L"P [0]", L"  S [0]"}));

    CXmSbTreeNodeInfo::SerachAndInsertChildItem(project, 0);
    ASSERT_EQ(CXmSbTreeNodeInfo::DeleteTreeCtrlNode(Child(project, 1), 1), 1);
    EXPECT_EQ(TreeLines(content), (Lines{L"Q [2]", L"说明书 [4]", L"  说明.dwg [5]"}));
    EXPECT_EQ(project->Getm_ChildXmSbNodeArray().size(), 2u);
    EXPECT_EQ(project->Getm_pXmSbInfo()->Getm_ChildXmSbArray().size(), 2u);
    EXPECT_TRUE(folder.Exists(L"P\\R\\R.prj")) << "records go, files stay";
    EXPECT_EQ(CXmSbTreeNodeInfo::DeleteTreeCtrlNode(project, 1), 0) << "the root stays";
}

TEST_F(XmSbTree, ExpandingAllOpensEveryItemWithEverythingInIt) {
    CXmSbTreeNodeInfo* project = Open(L"P\\P.itm");
    CXmSbTreeNodeInfo::InsertXmSbNameItemToTree(project);
    CXmSbTreeNodeInfo::SerachAndInsertChildItem(project, 0);
    ASSERT_EQ(CXmSbTreeNodeInfo::ExpandAllThisTreeNode(project), 1);
    EXPECT_EQ(TreeLines(projects), (Lines{L"P [0] +", L"  S [0]"}));
    EXPECT_EQ(TreeLines(content),
              (Lines{L"Q [2] +", L"  屏面布置图 [4] +", L"    图2.dwg [5]", L"    图1.dwg [5]",
                     L"  原理图 [4] +", L"    原理1.dwg [5]", L"  清单.xls [5]", L"R [2] +",
                     L"  原理图 [4] +", L"    r1.dwg [5]", L"说明书 [4] +", L"  说明.dwg [5]"}));
}
