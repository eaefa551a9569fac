// The drawing selection dialog's tree: built from the drawings after every change, and the
// check marks taken back from it. A Project of hundreds of Equipments holds ten thousand
// drawings, most of them in branches nobody opens: an Equipment's branch is filled when it is
// first opened, and until then holds one hidden stand-in item, so that it shows its button.

#include "manager/DwgSelectDlg.h"

#include <string>

std::wstring CDwgSelectDlg::NodeKey(const NodeInfo& node) const {
    std::wstring strKey = std::to_wstring(node.nContainer);
    if (node.kind == NodeInfo::Type)
        strKey += L"|" + node.strSysType;
    return strKey;
}

const CDwgSelectDlg::NodeInfo* CDwgSelectDlg::NodeOf(ui::HTREEITEM item) const {
    if (!m_TreeCtrl.IsItem(item))
        return nullptr;
    size_t index = m_TreeCtrl.GetItemData(item);
    if (index >= m_arrNodes.size() || m_arrNodes[index].kind == NodeInfo::Pending)
        return nullptr;
    return &m_arrNodes[index];
}

bool CDwgSelectDlg::IsUnfilled(ui::HTREEITEM item) const {
    ui::HTREEITEM child = m_TreeCtrl.GetChildItem(item);
    if (!child)
        return false;
    size_t index = m_TreeCtrl.GetItemData(child);
    return index < m_arrNodes.size() && m_arrNodes[index].kind == NodeInfo::Pending;
}

ui::HTREEITEM CDwgSelectDlg::InsertNode(std::wstring strText, int nImage, ui::HTREEITEM parent,
                                        NodeInfo node) {
    ui::HTREEITEM item =
        m_TreeCtrl.InsertItem(std::move(strText), nImage, nImage + (nImage < 4 ? 1 : 0), parent);
    m_TreeCtrl.SetItemData(item, m_arrNodes.size());
    m_arrNodes.push_back(std::move(node));
    return item;
}

bool CDwgSelectDlg::AllChecked(size_t nFirst, size_t nEnd) const {
    const auto& arrDrawings = m_Drawings.Drawings();
    for (size_t d = nFirst; d < nEnd; ++d)
        if (!IsChecked(arrDrawings[d].strFullPath))
            return false;
    return true;
}

bool CDwgSelectDlg::IsShownChecked(ui::HTREEITEM container, size_t nDrawing) const {
    // A branch not yet filled shows only its Equipment's mark: once the user changed that
    // mark, all the Equipment's drawings follow it; until then each keeps its own.
    const NodeInfo& node = m_arrNodes[m_TreeCtrl.GetItemData(container)];
    bool bMark = m_TreeCtrl.GetCheck(container);
    if (node.nContainer > 0 && bMark != node.bShownChecked)
        return bMark;
    return IsChecked(m_Drawings.Drawings()[nDrawing].strFullPath);
}

void CDwgSelectDlg::BuildTree() {
    // The open branches and the selected drawing are shown again after the rebuild.
    std::wstring strSelected;
    if (!m_bFirstBuild) {
        m_setExpanded.clear();
        std::vector<ui::HTREEITEM> stack;
        if (ui::HTREEITEM root = m_TreeCtrl.GetRootItem())
            stack.push_back(root);
        while (!stack.empty()) {
            ui::HTREEITEM item = stack.back();
            stack.pop_back();
            const NodeInfo* node = NodeOf(item);
            if (node && node->kind != NodeInfo::Drawing &&
                (m_TreeCtrl.GetItemState(item, ui::TVIS_EXPANDED) & ui::TVIS_EXPANDED))
                m_setExpanded.insert(NodeKey(*node));
            for (ui::HTREEITEM child = m_TreeCtrl.GetChildItem(item); child;
                 child = m_TreeCtrl.GetNextSiblingItem(child))
                if (m_TreeCtrl.ItemHasChildren(child))
                    stack.push_back(child);
        }
        if (const NodeInfo* node = NodeOf(m_TreeCtrl.GetSelectedItem());
            node && node->kind == NodeInfo::Drawing)
            strSelected = m_Drawings.Drawings()[static_cast<size_t>(node->nDrawing)].strFullPath;
    }
    int nSelected = strSelected.empty() ? -1 : m_Drawings.Find(strSelected);
    m_bFilling = true;
    m_TreeCtrl.SetRedraw(false);
    m_TreeCtrl.DeleteAllItems();
    m_arrNodes.clear();
    const auto& arrContainers = m_Drawings.Containers();
    const auto& arrDrawings = m_Drawings.Drawings();
    ui::HTREEITEM root = nullptr;
    ui::HTREEITEM selected = nullptr;
    std::vector<ui::HTREEITEM> arrOpen;
    bool bAllChecked = true;
    size_t nFirst = 0; // drawings come container by container
    for (int c = 0; c < static_cast<int>(arrContainers.size()); ++c) {
        const CDwgSelectContainer& container = arrContainers[static_cast<size_t>(c)];
        size_t nEnd = nFirst;
        while (nEnd < arrDrawings.size() && arrDrawings[nEnd].nContainer == c)
            ++nEnd;
        NodeInfo node{NodeInfo::Container, c, L"", -1, nFirst, nEnd, AllChecked(nFirst, nEnd)};
        bool bOpen = m_setExpanded.count(NodeKey(node)) || (m_bFirstBuild && c == 0);
        bool bHoldsSelected = nSelected >= 0 && static_cast<size_t>(nSelected) >= nFirst &&
                              static_cast<size_t>(nSelected) < nEnd;
        bAllChecked = bAllChecked && node.bShownChecked;
        ui::HTREEITEM item = InsertNode(container.strName, container.bProject ? 0 : 2,
                                        c == 0 ? ui::TVI_ROOT : root, std::move(node));
        m_TreeCtrl.SetCheck(item, m_arrNodes.back().bShownChecked);
        if (c == 0)
            root = item;
        if (c == 0 || bOpen || bHoldsSelected) {
            if (ui::HTREEITEM found = FillBranch(item, nSelected, arrOpen))
                selected = found;
        } else {
            ui::HTREEITEM standIn =
                InsertNode(L"…", 5, item, {NodeInfo::Pending, c, L"", -1, 0, 0, false});
            m_TreeCtrl.SetCheck(standIn, m_TreeCtrl.GetCheck(item));
        }
        if (bOpen)
            arrOpen.push_back(item);
        nFirst = nEnd;
    }
    if (root)
        m_TreeCtrl.SetCheck(root, bAllChecked);
    m_TreeCtrl.SetRedraw(true);
    for (ui::HTREEITEM item : arrOpen)
        m_TreeCtrl.Expand(item, ui::TVE_EXPAND);
    if (selected)
        m_TreeCtrl.SelectItem(selected);
    m_bFirstBuild = false;
    m_bFilling = false;
}

ui::HTREEITEM CDwgSelectDlg::FillBranch(ui::HTREEITEM item, int nSelected,
                                        std::vector<ui::HTREEITEM>& arrOpen) {
    // Copies: inserting items grows m_arrNodes.
    const NodeInfo container = m_arrNodes[m_TreeCtrl.GetItemData(item)];
    const std::vector<std::wstring>& arrTypes =
        m_Drawings.Containers()[static_cast<size_t>(container.nContainer)].arrTypes;
    const auto& arrDrawings = m_Drawings.Drawings();
    std::vector<bool> arrChecked;
    arrChecked.reserve(container.nEnd - container.nFirst);
    for (size_t d = container.nFirst; d < container.nEnd; ++d)
        arrChecked.push_back(IsShownChecked(item, d));
    // The stand-in goes once the branch is filled: a handle to it that a caller still holds
    // cannot then name one of the new items.
    ui::HTREEITEM standIn = m_TreeCtrl.GetChildItem(item);

    ui::HTREEITEM selected = nullptr;
    size_t d = container.nFirst;
    auto addDrawing = [&](ui::HTREEITEM under) {
        const CDwgSelectDrawing& drawing = arrDrawings[d];
        ui::HTREEITEM added = InsertNode(std::wstring(drawing.FileName()), 5, under,
                                         {NodeInfo::Drawing, container.nContainer,
                                          drawing.SysType(), static_cast<int>(d), 0, 0, false});
        bool bChecked = arrChecked[d - container.nFirst];
        m_TreeCtrl.SetCheck(added, bChecked);
        if (static_cast<int>(d) == nSelected)
            selected = added;
        ++d;
        return bChecked;
    };
    bool bAllChecked = true;
    while (d < container.nEnd && arrDrawings[d].SysType().empty())
        bAllChecked = addDrawing(item) && bAllChecked;
    for (const std::wstring& strType : arrTypes) {
        NodeInfo typeNode{NodeInfo::Type, container.nContainer, strType, -1, 0, 0, false};
        bool bOpen =
            m_setExpanded.count(NodeKey(typeNode)) || (m_bFirstBuild && container.nContainer == 0);
        ui::HTREEITEM group =
            InsertNode(m_Drawings.DisplayName(strType), 4, item, std::move(typeNode));
        if (bOpen)
            arrOpen.push_back(group);
        bool bGroupChecked = true;
        while (d < container.nEnd && arrDrawings[d].SysType() == strType)
            bGroupChecked = addDrawing(group) && bGroupChecked;
        // A group is checked when all its drawings are, so an empty one shows checked.
        m_TreeCtrl.SetCheck(group, bGroupChecked);
        bAllChecked = bAllChecked && bGroupChecked;
    }
    if (standIn)
        m_TreeCtrl.DeleteItem(standIn);
    m_TreeCtrl.SetCheck(item, bAllChecked);
    m_arrNodes[m_TreeCtrl.GetItemData(item)].bShownChecked = bAllChecked;
    return selected;
}

void CDwgSelectDlg::OnTreeItemExpanding(ui::HTREEITEM item) {
    if (!IsUnfilled(item))
        return;
    std::vector<ui::HTREEITEM> arrOpen;
    bool bWasFilling = m_bFilling;
    m_bFilling = true;
    FillBranch(item, -1, arrOpen);
    for (ui::HTREEITEM group : arrOpen)
        m_TreeCtrl.Expand(group, ui::TVE_EXPAND);
    m_bFilling = bWasFilling;
}

bool CDwgSelectDlg::TakeTreeChecks() {
    // Every checked drawing of the tree, in tree order; only a change rebuilds the list, so a
    // click that selected a drawing keeps its row selected.
    std::vector<std::wstring> arrPaths;
    const auto& arrDrawings = m_Drawings.Drawings();
    std::vector<ui::HTREEITEM> stack;
    for (ui::HTREEITEM root = m_TreeCtrl.GetRootItem(); root;
         root = m_TreeCtrl.GetNextSiblingItem(root))
        stack.push_back(root);
    std::vector<ui::HTREEITEM> arrChildren;
    while (!stack.empty()) {
        ui::HTREEITEM item = stack.back();
        stack.pop_back();
        const NodeInfo* node = NodeOf(item);
        if (node && node->kind == NodeInfo::Drawing && m_TreeCtrl.GetCheck(item))
            arrPaths.push_back(arrDrawings[static_cast<size_t>(node->nDrawing)].strFullPath);
        if (node && node->kind == NodeInfo::Container && IsUnfilled(item)) {
            for (size_t d = node->nFirst; d < node->nEnd; ++d)
                if (IsShownChecked(item, d))
                    arrPaths.push_back(arrDrawings[d].strFullPath);
            // The drawings now follow the mark as it stands.
            m_arrNodes[m_TreeCtrl.GetItemData(item)].bShownChecked = m_TreeCtrl.GetCheck(item);
            continue;
        }
        arrChildren.clear();
        for (ui::HTREEITEM child = m_TreeCtrl.GetChildItem(item); child;
             child = m_TreeCtrl.GetNextSiblingItem(child))
            arrChildren.push_back(child);
        stack.insert(stack.end(), arrChildren.rbegin(), arrChildren.rend());
    }
    bool bChanged = arrPaths.size() != m_setChecked.size();
    for (size_t i = 0; !bChanged && i < arrPaths.size(); ++i)
        bChanged = !IsChecked(arrPaths[i]);
    if (!bChanged)
        return false;
    SetCheckedPaths(std::move(arrPaths));
    FillList();
    return true;
}
