#include "records/TitleBlockFill.h"

#include "drawing/OvTitle.h"
#include "platform/cad/DbDatabase.h"
#include "platform/cad/DbOpen.h"
#include "platform/cad/DbSymbolTable.h"
#include "platform/cad/DbText.h"
#include "platform/text/Format.h"
#include "platform/text/WideString.h"
#include "records/DrawingDescriptionWriter.h"

#include <optional>
#include <vector>

namespace {

constexpr const wchar_t* kNumberLabels[] = {L"图号",     L"图纸编号", L"图纸代号",
                                            L"图样编号", L"图样代号", L"图册序号"};

std::wstring WithoutBlanks(const std::wstring& strText) {
    return text::RemoveChars(strText, text::kBlanks);
}

bool Holds(const std::wstring& strLabel, const std::wstring& strWord) {
    return !strWord.empty() && strLabel.find(strWord) != std::wstring::npos;
}

// What each cell receives, by the rules in their order (a later rule wins).
std::vector<std::optional<std::wstring>> CellValues(const Ov_CTitle& title,
                                                    const CDrawingDescription& d) {
    int nCells = title.Getm_nCellCount();
    std::vector<std::optional<std::wstring>> arrValues(static_cast<size_t>(nCells));
    std::vector<std::wstring> arrLabels;
    for (int i = 0; i < nCells; ++i)
        arrLabels.push_back(WithoutBlanks(title.Getm_strLabel(i)));
    auto set = [&](size_t i, const std::wstring& strValue) {
        if (!strValue.empty())
            arrValues[i] = strValue;
    };
    if (!d.strContractNo.empty() || !d.strBookNo.empty()) {
        for (size_t i = 0; i < arrLabels.size(); ++i) {
            bool bNumber = false;
            for (const wchar_t* szLabel : kNumberLabels)
                bNumber = bNumber || Holds(arrLabels[i], szLabel);
            if (bNumber) {
                set(i, text::Format(L"%sG-%s", d.strContractNo, d.strBookNo));
                break;
            }
        }
    }
    for (size_t i = 0; i < arrLabels.size(); ++i) {
        if (Holds(arrLabels[i], L"屏柜型号"))
            set(i, d.strEquipmentModel);
        if (Holds(arrLabels[i], L"电气负责人"))
            set(i, d.strDesigner);
    }
    for (const CExplainInfoNode& entry : d.arrEntries) {
        std::wstring strTitle = WithoutBlanks(entry.Getm_StrTitle());
        for (size_t i = 0; i < arrLabels.size(); ++i)
            if (Holds(arrLabels[i], strTitle))
                set(i, entry.Getm_StrValue());
    }
    return arrValues;
}

// A text stands inside a cell when its point lies strictly within the cell's corners.
bool Inside(const Ov_CTitle& title, int nCell, const AcGePoint3d& pt) {
    const AcGePoint3d& ptUpperLeft = title.Getm_ptCorner1(nCell);
    const AcGePoint3d& ptLowerRight = title.Getm_ptCorner2(nCell);
    return ptUpperLeft.x < pt.x && pt.x < ptLowerRight.x && ptLowerRight.y < pt.y &&
           pt.y < ptUpperLeft.y;
}

// MText reads "\", "{" and "}" as format codes: written with a backslash before them they show
// as typed.
std::wstring MTextLiteral(const std::wstring& strValue) {
    std::wstring strLiteral;
    for (wchar_t c : strValue) {
        if (c == L'\\' || c == L'{' || c == L'}')
            strLiteral += L'\\';
        strLiteral += c;
    }
    return strLiteral;
}

void SetCellText(AcDbObjectId id, const std::wstring& strValue) {
    AcDbObjectPointer<AcDbEntity> pEnt(id, AcDb::kForWrite);
    if (AcDbText* pText = AcDbText::cast(pEnt.object()))
        pText->setTextString(strValue);
    else if (AcDbMText* pMText = AcDbMText::cast(pEnt.object()))
        pMText->setContents(MTextLiteral(strValue));
}

bool AddCellText(AcDbDatabase* pDb, const Ov_CTitle& title, int nCell,
                 const std::wstring& strValue) {
    const AcGePoint3d& ptUpperLeft = title.Getm_ptCorner1(nCell);
    const AcGePoint3d& ptLowerRight = title.Getm_ptCorner2(nCell);
    AcGePoint3d ptCentre((ptUpperLeft.x + ptLowerRight.x) / 2, (ptUpperLeft.y + ptLowerRight.y) / 2,
                         0.0);
    auto* pText = new AcDbText(ptCentre, strValue);
    if (title.Getm_dTextHeight(nCell) > 0)
        pText->setHeight(title.Getm_dTextHeight(nCell));
    if (title.Getm_dWidthFactor(nCell) > 0)
        pText->setWidthFactor(title.Getm_dWidthFactor(nCell));
    AcDbObjectId idStyle = cad::FindRecord(pDb->textStyleTableId(), title.Getm_strTextStyle(nCell));
    if (!idStyle.isNull())
        pText->setTextStyle(idStyle);
    pText->setHorizontalMode(AcDb::kTextCenter);
    pText->setVerticalMode(AcDb::kTextVertMid);
    pText->setAlignmentPoint(ptCentre);
    AcDbObjectPointer<AcDbBlockTableRecord> pModelSpace(pDb->modelSpaceId(), AcDb::kForWrite);
    if (!pModelSpace || pModelSpace->appendAcDbEntity(pText) != Acad::eOk) {
        delete pText;
        return false;
    }
    pText->close();
    return true;
}

} // namespace

int FillTitleBlockCells(AcDbDatabase* pDb, const CDrawingDescription& description) {
    Ov_CTitle title(pDb);
    if (!title.FindTitleBlock() || !title.ReadCells())
        return 0;
    std::vector<std::optional<std::wstring>> arrValues = CellValues(title, description);
    int nCells = title.Getm_nCellCount();

    // One walk over model space finds the text of every cell: the last one inside it.
    std::vector<AcDbObjectId> arrCellTexts(static_cast<size_t>(nCells));
    {
        AcDbObjectPointer<AcDbBlockTableRecord> pModelSpace(pDb->modelSpaceId(), AcDb::kForRead);
        if (!pModelSpace)
            return 0;
        for (const AcDbObjectId& id : pModelSpace->entityIds()) {
            AcDbObjectPointer<AcDbEntity> pEnt(id, AcDb::kForRead);
            std::optional<AcGePoint3d> ptText;
            if (const AcDbText* pText = AcDbText::cast(pEnt.object()))
                ptText = pText->position();
            else if (const AcDbMText* pMText = AcDbMText::cast(pEnt.object()))
                ptText = pMText->location();
            if (!ptText)
                continue;
            for (int i = 0; i < nCells; ++i)
                if (arrValues[static_cast<size_t>(i)] && Inside(title, i, *ptText))
                    arrCellTexts[static_cast<size_t>(i)] = id;
        }
    }
    int nSet = 0;
    for (int i = 0; i < nCells; ++i) {
        const std::optional<std::wstring>& value = arrValues[static_cast<size_t>(i)];
        if (!value)
            continue;
        if (!arrCellTexts[static_cast<size_t>(i)].isNull())
            SetCellText(arrCellTexts[static_cast<size_t>(i)], *value);
        else if (!AddCellText(pDb, title, i, *value))
            continue;
        ++nSet;
    }
    return nSet;
}
