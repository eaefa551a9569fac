// The management window's trees as the management-file library keeps them.

#include "suite/OvXmInfo/XmComonPar.h"

#include "platform/text/WideString.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/TreeCtrl.h"

namespace {

std::wstring StyleKey(const std::wstring& strContainerFolder, const std::wstring& strSysTypeName) {
    return text::FoldCase(strContainerFolder) + L"|" + text::FoldCase(strSysTypeName);
}

} // namespace

void CXmComonPar::SetXmAndSbTreeCtrl(ui::TreeCtrl* pSbTreeCtrl, ui::TreeCtrl* pXmTreeCtrl) {
    m_pSbTreeCtrl = pSbTreeCtrl;
    m_pXmTreeCtrl = pXmTreeCtrl;
}

ui::TreeCtrl* CXmComonPar::GetpDlgXmTreeCtrl() const {
    return ui::IsWindowAlive(m_pXmTreeCtrl) ? m_pXmTreeCtrl : nullptr;
}

ui::TreeCtrl* CXmComonPar::GetpDlgSbTreeCtrl() const {
    return ui::IsWindowAlive(m_pSbTreeCtrl) ? m_pSbTreeCtrl : nullptr;
}

void CXmComonPar::SetImageListOfTreeCtrl(ui::ImageList* pImageList) {
    if (!pImageList)
        return;
    pImageList->RemoveAll();
    // In the order of the kImage... indices.
    for (const wchar_t* icon :
         {ui::icon::kProject, ui::icon::kFolderOpen, ui::icon::kEquipment,
          ui::icon::kEquipmentCurrent, ui::icon::kDrawingType, ui::icon::kDrawing})
        pImageList->Add(icon);
}

void CXmComonPar::ClearMemberVar() {
    m_pSbTreeCtrl = nullptr;
    m_pXmTreeCtrl = nullptr;
    m_strWebPubManageFile.clear();
    m_strWebPubInvoker.clear();
}

void CXmComonPar::ClearArrayMemory() {
    m_arrExpandedStyles.clear();
}

void CXmComonPar::RememberStyleExpanded(const std::wstring& strContainerFolder,
                                        const std::wstring& strSysTypeName, bool bExpanded) {
    if (bExpanded)
        m_arrExpandedStyles.insert(StyleKey(strContainerFolder, strSysTypeName));
    else
        m_arrExpandedStyles.erase(StyleKey(strContainerFolder, strSysTypeName));
}

bool CXmComonPar::WasStyleExpanded(const std::wstring& strContainerFolder,
                                   const std::wstring& strSysTypeName) const {
    return !m_arrExpandedStyles.empty() &&
           m_arrExpandedStyles.count(StyleKey(strContainerFolder, strSysTypeName)) != 0;
}
