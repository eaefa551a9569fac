#include "drawing/InfoTableCommand.h"

#include "drawing/EditOprt.h"
#include "drawing/InfoTableDrawing.h"
#include "platform/cad/CommandLine.h"
#include "platform/cad/CommandProcessor.h"
#include "platform/cad/Host.h"
#include "platform/cad/HostServices.h"
#include "platform/cad/InputSource.h"

namespace {

constexpr int kTrackPointer = 7;

enum class Placement { Placed, Cancelled };

bool IsOneOf(int nItem, std::initializer_list<int> items) {
    for (int n : items)
        if (n == nItem)
            return true;
    return false;
}

void MoveAll(const std::vector<AcDbObjectId>& ids, const AcGeVector3d& offset) {
    for (const AcDbObjectId& id : ids)
        CEditOprt::MoveEntity(id, offset.x, offset.y, offset.z);
}

// The loop of the placement: the table's lower-right corner, now at ptCorner, follows the
// pointer until the user places or cancels it.
Placement Place(const std::vector<AcDbObjectId>& ids, AcGePoint3d ptCorner) {
    acutPrintf(L"\n选择插入点<Enter结束>:");
    for (;;) {
        int nType = 0;
        resbuf input;
        // The host knows the world system only: the pointer's point needs no transformation.
        if (acedGrRead(kTrackPointer, &nType, &input) != RTNORM || nType == 25)
            return Placement::Cancelled;
        if (nType == 5 || nType == 3) {
            AcGePoint3d ptNew = input.resval.rpoint;
            MoveAll(ids, ptNew - ptCorner);
            ptCorner = ptNew;
            if (nType == 3)
                return Placement::Placed;
        } else if (nType == 2) {
            if (input.resval.rint == 13 || input.resval.rint == 32)
                return Placement::Placed;
        } else if (nType == 11) {
            int nItem = input.resval.rint;
            if (nItem == 0)
                return Placement::Placed;
            if (IsOneOf(nItem, {1414, 1451, 1453, 1419}))
                acedCommand(RTSTR, L"._RTPAN", RTNONE);
            else if (IsOneOf(nItem, {1415, 1454, 1452, 1420}))
                acedCommand(RTSTR, L"._RTZOOM", RTNONE);
            else if (IsOneOf(nItem, {1503, 1542, 1544, 1512}))
                acedCommand(RTSTR, L"._RTZOOM", RTSTR, L"_W", RTNONE);
        }
    }
}

} // namespace

void RunCreateInfoTable() {
    const std::vector<std::wstring>& arrTitles = infotable::EntryTitles();
    const std::vector<std::wstring>& arrValues = infotable::EntryValues();
    if (arrTitles.size() < infotable::kEntryCount || arrValues.size() < infotable::kEntryCount) {
        acutPrintf(
            L"\n%s\n",
            L"没有设备描述信息表格的内容：请先在设备管理中用“设备描述信息表格输出...”填写。");
        return;
    }
    AcDbDatabase* pDb = acdbHostApplicationServices()->workingDatabase();
    if (!pDb)
        return;
    CEditOprt::CmdEchoOff();
    acedGetAcadFrame()->ActivateFrame();
    short nOsmode = 0;
    CEditOprt::GetShortSysVar(L"osmode", nOsmode);
    CEditOprt::SetShortSysVar(L"osmode", 0);
    const infotable::Parameters& parameters = infotable::TableParameters();
    std::vector<AcDbObjectId> arrNew = infotable::DrawTable(pDb, parameters, arrTitles, arrValues);
    CEditOprt::SetShortSysVar(L"osmode", nOsmode);

    // The previous table hides while the new one is placed, and comes back when it is not.
    std::vector<AcDbObjectId> arrOld = infotable::GroupMembers(pDb);
    infotable::SetVisible(arrOld, false);
    infotable::ReplaceGroup(pDb, arrNew);
    if (Place(arrNew, AcGePoint3d(parameters.Width(), 0.0, 0.0)) == Placement::Placed) {
        infotable::EraseAll(arrOld);
    } else {
        infotable::EraseAll(arrNew);
        infotable::SetVisible(arrOld, true);
        infotable::ReplaceGroup(pDb, arrOld);
    }
    CEditOprt::CmdEchoOn();
}
