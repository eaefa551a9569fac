#include "drawing/OvTitle.h"

#include "drawing/EditOprt.h"
#include "drawing/GetTextFromMText.h"
#include "platform/cad/DbDatabase.h"
#include "platform/cad/DbLine.h"
#include "platform/cad/DbOpen.h"
#include "platform/cad/DbSymbolTable.h"
#include "platform/cad/DbText.h"
#include "platform/cad/HostServices.h"
#include "platform/text/WideString.h"
#include "suite/OvDwgBtlInfo/TitleBlockFormat.h"

#include <memory>
#include <vector>

namespace {

// Labels of the cell that holds the drawing name, tested in this order for each cell.
constexpr const wchar_t* kNameLabels[] = {L"名称",     L"图名",     L"图纸名称", L"图样名称",
                                          L"图纸类型", L"图纸内容", L"DWG.NO."};

std::wstring WithoutSpaces(const std::wstring& strText) {
    return text::RemoveChars(strText, L" ");
}

} // namespace

int Ov_CTitle::FindTitleBlock() {
    m_idTitle = OvFindTitleBlock(m_pDb);
    m_bFound = m_idTitle.isNull() ? 0 : 1;
    return m_bFound;
}

int Ov_CTitle::ReadCells() {
    m_nCellCount = 0;
    if (!m_bFound)
        return 0;
    {
        AcDbObjectPointer<AcDbBlockReference> pReference(m_idTitle, AcDb::kForRead);
        if (!pReference)
            return 0;
        m_ptBase = pReference->position();
    }
    std::vector<std::wstring> arrCells;
    if (!OvReadTitleCellStrings(m_idTitle, arrCells))
        return 0;
    for (const std::wstring& strCell : arrCells) {
        if (m_nCellCount == kMaxCells)
            break;
        OvTitleCell cell = OvParseTitleCell(strCell, m_ptBase);
        int i = m_nCellCount++;
        m_strLabel[i] = cell.strLabel;
        m_ptCorner1[i] = cell.ptCorner1;
        m_ptCorner2[i] = cell.ptCorner2;
        m_dTextHeight[i] = cell.dTextHeight;
        m_dWidthFactor[i] = cell.dWidthFactor;
        m_strTextStyle[i] = cell.strTextStyle;
    }
    return m_nCellCount;
}

int Ov_CTitle::FindNameCell() const {
    for (int i = 0; i < m_nCellCount; ++i)
        for (const wchar_t* pLabel : kNameLabels)
            if (text::EqualsNoCase(WithoutSpaces(m_strLabel[i]), pLabel))
                return i;
    return -1;
}

int Ov_CTitle::SearchDrawingName(std::wstring& strName) const {
    strName.clear();
    if (!m_bFound || !m_pDb || m_nCellCount == 0)
        return 0;
    int nCell = FindNameCell();
    if (nCell < 0)
        return 0;
    const AcGePoint3d& ptUpperLeft = m_ptCorner1[nCell];
    const AcGePoint3d& ptLowerRight = m_ptCorner2[nCell];
    auto inside = [&](const AcGePoint3d& pt) {
        return ptUpperLeft.x < pt.x && pt.x < ptLowerRight.x && ptLowerRight.y < pt.y &&
               pt.y < ptUpperLeft.y;
    };
    AcDbObjectPointer<AcDbBlockTableRecord> pModelSpace(m_pDb->modelSpaceId(), AcDb::kForRead);
    if (!pModelSpace)
        return 0;
    // The last text inside the cell in model-space order is the name.
    for (const AcDbObjectId& id : pModelSpace->entityIds()) {
        AcDbObjectPointer<AcDbEntity> pEnt(id, AcDb::kForRead);
        if (const AcDbText* pText = AcDbText::cast(pEnt.object())) {
            if (inside(pText->position()))
                strName = WithoutSpaces(pText->textString());
        } else if (const AcDbMText* pMText = AcDbMText::cast(pEnt.object())) {
            if (inside(pMText->location()))
                strName = WithoutSpaces(CGetTextFromMText().GetTextFromMText(pMText->contents()));
        }
    }
    return strName.empty() ? 0 : 1;
}

std::wstring GetDrawingNameFromTitle(std::wstring strPath, int nMatchMode) {
    std::wstring strName;
    AcDbDatabase* pDb = nullptr;
    int nFromFile = CEditOprt::GetDrawingDatabase(strPath, nMatchMode, pDb);
    if (!pDb)
        return strName;
    std::unique_ptr<AcDbDatabase> readFromFile(nFromFile == 1 ? pDb : nullptr);
    Ov_CTitle title(pDb);
    title.FindTitleBlock();
    title.ReadCells();
    title.SearchDrawingName(strName);
    return strName;
}

int HasTitleBlock() {
    return Ov_CTitle(acdbHostApplicationServices()->workingDatabase()).FindTitleBlock();
}
