#include "manager/ManageDlgResources.h"

#include "manager/ManageDlg.h"

ui::DialogTemplate ManageDlgTemplate() {
    using ui::ControlKind;
    // A tall window beside the drawing: the location and path with the open button, the
    // project tree, the content tree and the preview below them (its frame holds a preview
    // picture of 180 x 135 pixels). Controls 128, 171 and 1 are hidden at start-up.
    return {
        CManageDlg::IDD,
        L"项目管理",
        184,
        400,
        ui::WS_THICKFRAME | ui::WS_MINIMIZEBOX | ui::WS_MAXIMIZEBOX,
        {{CManageDlg::IDC_LOCATION, ControlKind::Edit, L"", 4, 5, 40, 12, ui::ES_READONLY},
         {CManageDlg::IDC_PATH, ControlKind::Edit, L"", 46, 5, 88, 12, ui::ES_READONLY},
         {CManageDlg::IDC_OPEN, ControlKind::PushButton, L"项目设备打开", 136, 4, 44, 14},
         {CManageDlg::IDC_XM_TREE, ControlKind::Tree, L"", 4, 22, 176, 68,
          ui::TVS_HASBUTTONS | ui::TVS_HASLINES | ui::TVS_LINESATROOT | ui::TVS_SHOWSELALWAYS},
         {CManageDlg::IDC_SB_TREE, ControlKind::Tree, L"", 4, 94, 176, 206,
          ui::TVS_HASBUTTONS | ui::TVS_HASLINES | ui::TVS_LINESATROOT | ui::TVS_SHOWSELALWAYS},
         {CManageDlg::IDC_PREVIEW, ControlKind::PreviewFrame, L"", 32, 306, 120, 84},
         {CManageDlg::IDC_SELECTION_TEXT, ControlKind::Edit, L"", 4, 306, 26, 40,
          ui::ES_MULTILINE | ui::ES_READONLY},
         {CManageDlg::IDC_BATCH, ControlKind::PushButton, L"文件批打开保存关闭", 154, 306, 26, 14},
         {ui::IDOK, ControlKind::PushButton, L"确定", 154, 322, 26, 14, ui::BS_DEFPUSHBUTTON}}};
}

std::vector<ui::MenuTemplateItem> ManageTreeMenuTemplate() {
    using Item = ui::MenuTemplateItem;
    const Item separator;
    return {
        Item(0, L"树中弹出菜单",
             {Item(282, L"项目设备明细汇总"),
              Item(203, L"修改..."),
              Item(215, L"导线信息查询修改"),
              Item(283, L"设备描述信息表格输出..."),
              separator,
              Item(192, L"打开(&O)"),
              Item(120, L"查看图纸信息"),
              Item(206, L"保存为模板"),
              Item(193, L"关闭(&C)"),
              separator,
              Item(190, L"新建项目..."),
              Item(191, L"新建设备..."),
              Item(213, L"新建文件"),
              Item(122, L"从PDM库批建设备"),
              separator,
              Item(204, L"添加类型...(&A)"),
              Item(205, L"删除类型"),
              Item(268, L"文件批管理"),
              separator,
              Item(201, L"删除(&D)"),
              Item(194, L"剪切"),
              Item(195, L"复制"),
              Item(196, L"粘贴(&P)"),
              separator,
              Item(0, L"导入",
                   {Item(198, L"项目..."), Item(208, L"模板项目..."), Item(199, L"设备..."),
                    Item(209, L"模板设备..."), Item(200, L"文件..."), Item(207, L"典型图库...")}),
              Item(0, L"导出",
                   {Item(239, L"工程屏柜外购材料"), Item(241, L"工程保护装置清单"),
                    Item(243, L"工程屏柜信息表"), Item(245, L"装箱清单"),
                    Item(247, L"元器件标号汇总"), Item(251, L"BOM表")}),
              separator,
              Item(197, L"发送到..."),
              Item(210, L"图档Web发布...", {}, ui::MF_GRAYED),
              separator,
              Item(202, L"刷新(&F)"),
              Item(171, L"文件批打开保存关闭"),
              Item(217, L"按文件名称排序")})};
}
