#include "frame/ManageApp.h"

#include "frame/ManageCommands.h"
#include "frame/ManageGlobals.h"

namespace {
CManageApp theApp;
}

const std::vector<AcRxCommandEntry>& CManageApp::Commands() {
    static const std::vector<AcRxCommandEntry> table = {
        {L"OvManage", L"XMMANAGE", L"XMMANAGE", ACRX_CMD_TRANSPARENT, XmManageCommand},
        {L"OvManage", L"SBMANAGE", L"SBMANAGE", ACRX_CMD_TRANSPARENT, SbManageCommand},
        {L"OvManage", L"SAVETOXM", L"SAVETOXM", ACRX_CMD_TRANSPARENT, SaveToXmCommand},
        {L"OvManage", L"SAVETOSB", L"SAVETOSB", ACRX_CMD_TRANSPARENT, SaveToSbCommand},
        {L"OvManage", L"XmOPenFile", L"XmOPenFile", ACRX_CMD_TRANSPARENT, ShowManageDlgAfterOpen},
        {L"OvManage", L"SbOPenFile", L"SbOPenFile", ACRX_CMD_TRANSPARENT, ShowManageDlgAfterOpen},
        {L"OvManage", L"CREATEINFOTABLE", L"CREATEINFOTABLE", ACRX_CMD_TRANSPARENT,
         CreateInfoTableCommand},
    };
    return table;
}

HINSTANCE CManageApp::ResourceInstance() const {
    return ModuleResourceInstance();
}

AcRx::AppRetCode CManageApp::On_kUnloadAppMsg(void* packet) {
    AcRx::AppRetCode result = AcRxArxApp::On_kUnloadAppMsg(packet);
    CloseManageDlg();
    return result;
}

extern "C" AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode message, void* packet) {
    return theApp.EntryPoint(message, packet);
}

extern "C" int acrxGetApiVersion() {
    return ACRX_API_RELEASE;
}
