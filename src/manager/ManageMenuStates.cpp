#include "manager/ManageMenuStates.h"

namespace {

constexpr unsigned kMenuCommands[] = {282, 203, 215, 283, 192, 120, 206, 193, 190, 191, 213, 122,
                                      204, 205, 268, 201, 194, 195, 196, 198, 208, 199, 209, 200,
                                      207, 239, 241, 243, 245, 247, 251, 197, 210, 202, 171, 217};

int EnabledIf(bool enabled) {
    return enabled ? kMenuItemEnabled : kMenuItemGrayed;
}

// Item 282 and the six exports share the selection rule: an Equipment in the content tree, or
// a Project when the project tree was clicked or the content tree has no selection.
bool SummarySelection(const CTreeMenuContext& c) {
    bool bContent = !c.bXmTree;
    return (bContent && c.bHasSbNode && c.nSbKind == 1) ||
           ((c.bXmTree || (bContent && !c.bHasSbNode)) && c.bHasXmNode);
}

// Items 192 and 120.
int OpenState(const CTreeMenuContext& c) {
    if (c.bXmTree)
        return EnabledIf(c.bHasXmNode && !c.bXmNodeIsRoot);
    if (!c.bProjectMode && (!c.bHasSbNode || c.nSbKind == 1))
        return kMenuItemRemoved;
    if (!c.bHasSbNode)
        return kMenuItemGrayed;
    return EnabledIf(c.bProjectMode ? (c.nSbKind == 1 || c.nSbKind == 3) : c.nSbKind == 3);
}

// Item 206 (and 210 when web publishing is there): enabled or removed, never grayed.
int SaveAsTemplateState(const CTreeMenuContext& c) {
    bool enabled = c.bXmTree ? c.bHasXmNode : (c.bHasSbNode && c.nSbKind == 1);
    return enabled ? kMenuItemEnabled : kMenuItemRemoved;
}

int CloseState(const CTreeMenuContext& c) {
    if (c.bXmTree)
        return EnabledIf(c.bHasXmNode && c.bXmNodeIsRoot);
    if (c.bProjectMode)
        return kMenuItemRemoved;
    if (!c.bHasSbNode)
        return kMenuItemGrayed;
    return c.nSbKind == 1 ? kMenuItemEnabled : kMenuItemRemoved;
}

} // namespace

int TreeMenuItemState(unsigned id, const CTreeMenuContext& c) {
    bool bContent = !c.bXmTree;
    bool bSbKind = c.bHasSbNode; // the content kind means something only with a content node
    switch (id) {
    case 282:
        return EnabledIf(c.nWorkingMode != 2 && SummarySelection(c));
    case 239:
    case 241:
    case 243:
    case 245:
    case 247:
    case 251:
        return EnabledIf(c.nWorkingMode == 2 && SummarySelection(c));
    case 203:
    case 201:
        return EnabledIf(c.bXmTree ? c.bHasXmNode : c.bHasSbNode);
    case 215:
    case 204:
        return EnabledIf(bContent && c.bHasSbNode ? c.nSbKind == 1 : c.bHasXmNode);
    case 283:
        // The information table belongs to an Equipment's layout drawing.
        return bContent && c.bHasSbNode && c.nSbKind == 1 ? kMenuItemEnabled : kMenuItemRemoved;
    case 192:
    case 120:
        return OpenState(c);
    case 206:
        return SaveAsTemplateState(c);
    case 210:
        return c.bWebPublishing ? SaveAsTemplateState(c) : kMenuItemGrayed;
    case 193:
        return CloseState(c);
    case 190:
        return bContent ? kMenuItemRemoved : EnabledIf(c.bHasXmNode);
    case 191:
        if (bContent && !c.bProjectMode)
            return kMenuItemRemoved;
        return EnabledIf(c.bHasXmNode && (c.bXmTree || (c.bProjectMode && !c.bHasSbNode)));
    case 213:
        return EnabledIf(c.bXmTree ? c.bHasXmNode : bSbKind && (c.nSbKind == 1 || c.nSbKind == 2));
    case 122:
        // Never offered: its handler exists, but no rule of the menu enables it.
        return c.nWorkingMode == 1 && c.bXmTree ? kMenuItemGrayed : kMenuItemRemoved;
    case 205:
        return EnabledIf(bContent && bSbKind && c.nSbKind == 2);
    case 194:
    case 195:
        if (c.bXmTree)
            return EnabledIf(c.bHasXmNode && !c.bXmNodeIsRoot);
        return EnabledIf(c.bHasSbNode && (c.bProjectMode || c.nSbKind == 3));
    case 196:
        // Paste has no source to paste from until the tree operations are there.
        return kMenuItemGrayed;
    case 198:
    case 208:
        return EnabledIf(c.bXmTree && c.bHasXmNode);
    case 199:
    case 209:
        return EnabledIf(c.bHasXmNode && (c.bXmTree || !c.bHasSbNode));
    case 200:
    case 207:
        if (c.bXmTree)
            return EnabledIf(c.bHasXmNode);
        if (!c.bProjectMode)
            return EnabledIf(c.bHasSbNode && c.nSbKind != 3);
        return EnabledIf(c.bHasXmNode && !(bSbKind && c.nSbKind == 3));
    case 197:
        if (c.bXmTree)
            return EnabledIf(c.bHasXmNode);
        return EnabledIf(c.bHasSbNode && !(c.nSbKind == 2 && !c.bStyleHasFiles));
    default: // 268, 202, 171, 217
        return kMenuItemEnabled;
    }
}

std::wstring TreeMenuModifyCaption(const CTreeMenuContext& c) {
    if (c.bXmTree)
        return c.bHasXmNode ? L"项目信息查询修改" : L"";
    if (c.bHasSbNode && c.nSbKind == 1)
        return L"设备信息查询修改";
    if (c.bHasSbNode && c.nSbKind == 3)
        return L"文件信息修改";
    return L"";
}

void ApplyTreeMenuStates(ui::Menu& popup, const CTreeMenuContext& context) {
    for (unsigned id : kMenuCommands) {
        switch (TreeMenuItemState(id, context)) {
        case kMenuItemEnabled:
            popup.EnableMenuItem(id, ui::MF_BYCOMMAND | ui::MF_ENABLED);
            break;
        case kMenuItemGrayed:
            popup.EnableMenuItem(id, ui::MF_BYCOMMAND | ui::MF_GRAYED);
            break;
        default:
            popup.RemoveMenu(id, ui::MF_BYCOMMAND);
            break;
        }
    }
    std::wstring caption = TreeMenuModifyCaption(context);
    if (!caption.empty()) {
        unsigned state =
            popup.GetMenuState(203, ui::MF_BYCOMMAND) & (ui::MF_GRAYED | ui::MF_DISABLED);
        popup.ModifyMenu(203, ui::MF_BYCOMMAND | ui::MF_STRING | state, 203, caption);
    }
}
