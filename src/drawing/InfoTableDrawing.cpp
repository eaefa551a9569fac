#include "drawing/InfoTableDrawing.h"

#include "platform/cad/DbDatabase.h"
#include "platform/cad/DbDictionary.h"
#include "platform/cad/DbGroup.h"
#include "platform/cad/DbLine.h"
#include "platform/cad/DbOpen.h"
#include "platform/cad/DbSymbolTable.h"
#include "platform/cad/DbText.h"
#include "platform/text/Format.h"

#include <algorithm>
#include <cmath>

namespace infotable {

namespace {

// A width factor far above what fits would take this many steps of 0.01 and more: the fitting
// stops there rather than hold up the drawing.
constexpr int kMaxFitSteps = 20000;

double TextWidth(const AcDbEntity* pEntity) {
    AcDbExtents extents;
    if (pEntity->getGeomExtents(extents) != Acad::eOk)
        return 0.0;
    return extents.maxPoint().x - extents.minPoint().x;
}

double StyleXScale(const AcDbMText* pMText) {
    AcDbObjectPointer<AcDbTextStyleTableRecord> pStyle(pMText->textStyle(), AcDb::kForRead);
    return pStyle ? pStyle->xScale() : 1.0;
}

std::wstring WithWidthCode(bool bUseW, double dW, const std::wstring& strContents) {
    return bUseW ? text::Format(L"{\\W%f;%s}", dW, strContents) : strContents;
}

class TableBuilder {
public:
    TableBuilder(AcDbDatabase* pDb, const Parameters& parameters)
        : m_P(parameters), m_pModelSpace(pDb->modelSpaceId(), AcDb::kForWrite) {}

    bool IsReady() const { return m_pModelSpace.openStatus() == Acad::eOk; }
    std::vector<AcDbObjectId>& Ids() { return m_ids; }

    // A text in the cell from xa to xb, at the left (A = 0) or the middle (A = 1).
    void AddText(double xa, double xb, double y, const std::wstring& strText, bool bFit) {
        AcGePoint3d point(m_P.A == 1 ? (xa + xb) / 2.0 : xa, y, 0.0);
        auto* pText = new AcDbText(point, strText, AcDbObjectId::kNull, m_P.H, 0.0);
        if (!Append(pText))
            return;
        // An entity that refuses the factor keeps the style's.
        pText->setWidthFactor(m_P.F);
        pText->setVerticalMode(AcDb::kTextVertMid);
        pText->setHorizontalMode(m_P.A == 1 ? AcDb::kTextCenter : AcDb::kTextLeft);
        pText->setAlignmentPoint(point);
        if (bFit)
            FitTextToWidth(pText, xb - xa);
        pText->close();
    }

    // A wrapped value at the point; its number of lines and actual height (0 for no value).
    int AddMText(const AcGePoint3d& point, const std::wstring& strValue, double& dHeight) {
        dHeight = 0.0;
        if (strValue.empty())
            return 0;
        auto* pMText = new AcDbMText();
        pMText->setLocation(point);
        pMText->setTextHeight(m_P.H);
        pMText->setRotation(0.0);
        pMText->setColorIndex(256);
        pMText->setAttachment(AcDbMText::kTopLeft);
        if (!Append(pMText))
            return 0;
        int nLines = WrapMText(pMText, strValue, m_P.H, m_P.F, m_P.c2 + m_P.c3 + m_P.c4 - 5.0);
        dHeight = pMText->actualHeight();
        pMText->close();
        return nLines;
    }

    void AddLine(double x1, double y1, double x2, double y2) {
        auto* pLine = new AcDbLine(AcGePoint3d(x1, y1, 0.0), AcGePoint3d(x2, y2, 0.0));
        if (Append(pLine))
            pLine->close();
    }

private:
    bool Append(AcDbEntity* pEntity) {
        AcDbObjectId id;
        if (m_pModelSpace->appendAcDbEntity(id, pEntity) != Acad::eOk) {
            delete pEntity;
            return false;
        }
        m_ids.push_back(id);
        return true;
    }

    const Parameters& m_P;
    AcDbObjectPointer<AcDbBlockTableRecord> m_pModelSpace;
    std::vector<AcDbObjectId> m_ids;
};

} // namespace

void FitTextToWidth(AcDbText* pText, double dWidth) {
    double dFactor = pText->widthFactor();
    double dStep = 0.01;
    for (int nSteps = 0; nSteps < kMaxFitSteps && !(TextWidth(pText) < dWidth); ++nSteps) {
        while (dStep >= dFactor && dStep >= 0.001)
            dStep /= 10.0;
        if (dStep < 0.001)
            return;
        dFactor -= dStep;
        if (pText->setWidthFactor(dFactor) != Acad::eOk)
            return;
    }
}

std::wstring EscapeMText(const std::wstring& strValue) {
    std::wstring strEscaped;
    for (wchar_t c : strValue) {
        if (c == L'\\' || c == L'{' || c == L'}')
            strEscaped += L'\\';
        strEscaped += c;
    }
    return strEscaped;
}

int WrapMText(AcDbMText* pMText, const std::wstring& strValue, double dTextHeight,
              double dWidthFactor, double dWidth) {
    if (strValue.empty()) {
        pMText->setContents(L"");
        return 0;
    }
    pMText->setContents(EscapeMText(strValue));
    double dAverage = pMText->actualWidth() / static_cast<double>(strValue.size());
    double dW = dAverage > 0.0 ? dTextHeight * StyleXScale(pMText) * dWidthFactor / dAverage : 0.0;
    bool bUseW = dW > 0.0 && std::isfinite(dW);

    std::vector<std::wstring> arrLines;
    std::wstring strRest = strValue;
    while (!strRest.empty()) {
        size_t k = 1;
        for (; k <= strRest.size(); ++k) {
            pMText->setContents(WithWidthCode(bUseW, dW, EscapeMText(strRest.substr(0, k))));
            if (pMText->actualWidth() > dWidth)
                break;
        }
        if (k > strRest.size()) {
            arrLines.push_back(strRest);
            break;
        }
        // A width narrower than one character still takes one per line.
        size_t nTake = std::max<size_t>(1, k - 1);
        arrLines.push_back(strRest.substr(0, nTake));
        strRest.erase(0, nTake);
    }
    std::wstring strJoined;
    for (size_t i = 0; i < arrLines.size(); ++i) {
        if (i > 0)
            strJoined += L"\\P";
        strJoined += EscapeMText(arrLines[i]);
    }
    pMText->setContents(WithWidthCode(bUseW, dW, strJoined));
    return static_cast<int>(arrLines.size());
}

std::vector<AcDbObjectId> DrawTable(AcDbDatabase* pDb, const Parameters& P,
                                    const std::vector<std::wstring>& arrTitles,
                                    const std::vector<std::wstring>& arrValues) {
    if (!pDb || arrTitles.size() < kEntryCount || arrValues.size() < kEntryCount)
        return {};
    TableBuilder table(pDb, P);
    if (!table.IsReady())
        return {};
    auto Value = [&](int i) {
        const std::wstring& strValue = arrValues[static_cast<size_t>(i)];
        return (strValue.empty() ? std::wstring(L"$$") : strValue) + Entry(i).strSuffix;
    };
    auto Title = [&](int i) { return arrTitles[static_cast<size_t>(i)]; };
    double W = P.Width();
    double x2 = P.c1 + P.c2;
    double x3 = x2 + P.c3;
    for (int i = 0; i < 4; ++i) {
        double y = (6.5 - i) * P.R;
        table.AddText(0.5, P.c1, y, Title(i), false);
        table.AddText(P.c1 + 1.0, x2, y, Value(i), true);
        table.AddText(x2 + 0.5, x3, y, Title(i + 4), false);
        table.AddText(x3 + 1.0, W, y, Value(i + 4), true);
    }
    table.AddText(0.5, P.c1, 2.5 * P.R, Title(8), false);
    table.AddText(P.c1 + 1.0, x2, 2.5 * P.R, Value(8), true);

    // The long entries: the title in front (centred in the first column with A = 1, each in its
    // own row), the value wrapped beside it.
    auto AddLongTitle = [&](int i, double y) {
        if (P.A == 1)
            table.AddText(0.5, P.c1, y, Title(i), false);
        else
            table.AddText(0.5, P.c1, y, Title(i) + L" : ", false);
    };
    double y9 = 1.5 * P.R;
    AddLongTitle(9, y9);
    double dHeight9 = 0.0;
    int nLines9 =
        table.AddMText(AcGePoint3d(P.c1 + 5.0, y9 + P.H / 2.0, 0.0), arrValues[9], dHeight9);
    bool bWrapped = nLines9 > 1;
    double y10 = bWrapped ? P.R - dHeight9 : P.R / 2.0;
    AddLongTitle(10, y10);
    double dHeight10 = 0.0;
    table.AddMText(AcGePoint3d(P.c1 + 5.0, y10 + P.H / 2.0, 0.0), arrValues[10], dHeight10);

    // The two lowest lines move down by what the wrapped description needs beyond one line, and
    // the outer lines end at the lowest one.
    double dDrop = bWrapped ? dHeight9 - P.H : 0.0;
    for (int k = 7; k >= 0; --k) {
        double y = k * P.R - (k <= 1 ? dDrop : 0.0);
        table.AddLine(0.0, y, W, y);
    }
    for (double x : {0.0, W})
        table.AddLine(x, 7.0 * P.R, x, -dDrop);
    for (double x : {P.c1, x2, x3})
        table.AddLine(x, 7.0 * P.R, x, 2.0 * P.R);
    return table.Ids();
}

std::vector<AcDbObjectId> GroupMembers(AcDbDatabase* pDb) {
    std::vector<AcDbObjectId> ids;
    AcDbObjectPointer<AcDbDictionary> pGroups(pDb->groupDictionaryId(), AcDb::kForRead);
    AcDbGroup* pGroup = nullptr;
    if (pGroups && pGroups->getAt(kGroupName, pGroup, AcDb::kForRead) == Acad::eOk) {
        pGroup->allEntityIds(ids);
        pGroup->close();
    }
    return ids;
}

void ReplaceGroup(AcDbDatabase* pDb, const std::vector<AcDbObjectId>& ids) {
    AcDbObjectPointer<AcDbDictionary> pGroups(pDb->groupDictionaryId(), AcDb::kForWrite);
    if (!pGroups)
        return;
    auto* pGroup = new AcDbGroup(L"", false);
    AcDbObjectId idGroup;
    if (pGroups->setAt(kGroupName, pGroup, idGroup) != Acad::eOk) {
        delete pGroup;
        return;
    }
    for (const AcDbObjectId& id : ids)
        pGroup->append(id);
    pGroup->close();
}

void SetVisible(const std::vector<AcDbObjectId>& ids, bool bVisible) {
    for (const AcDbObjectId& id : ids) {
        AcDbObjectPointer<AcDbEntity> pEntity(id, AcDb::kForWrite);
        if (pEntity)
            pEntity->setVisibility(bVisible ? AcDb::kVisible : AcDb::kInvisible);
    }
}

void EraseAll(const std::vector<AcDbObjectId>& ids) {
    for (const AcDbObjectId& id : ids) {
        AcDbObjectPointer<AcDbEntity> pEntity(id, AcDb::kForWrite);
        if (pEntity)
            pEntity->erase();
    }
}

} // namespace infotable
