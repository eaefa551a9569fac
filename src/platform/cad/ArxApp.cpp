#include "platform/cad/ArxApp.h"

AcRx::AppRetCode AcRxDbxApp::EntryPoint(AcRx::AppMsgCode message, void* packet) {
    switch (message) {
    case AcRx::kInitAppMsg:
        return On_kInitAppMsg(packet);
    case AcRx::kUnloadAppMsg:
        return On_kUnloadAppMsg(packet);
    case AcRx::kLoadDwgMsg:
        return On_kLoadDwgMsg(packet);
    case AcRx::kUnloadDwgMsg:
        return On_kUnloadDwgMsg(packet);
    default:
        return On_kOtherMsg(message, packet);
    }
}

AcRx::AppRetCode AcRxDbxApp::On_kInitAppMsg(void* packet) {
    if (m_bUnlocked)
        acrxDynamicLinker->unlockApplication(packet);
    if (m_bMDIAware)
        acrxDynamicLinker->registerAppMDIAware(packet);
    RegisterServerComponents();
    return AcRx::kRetOK;
}

AcRx::AppRetCode AcRxDbxApp::On_kUnloadAppMsg(void*) {
    return AcRx::kRetOK;
}

AcRx::AppRetCode AcRxArxApp::On_kInitAppMsg(void* packet) {
    AcRx::AppRetCode result = AcRxDbxApp::On_kInitAppMsg(packet);
    if (result != AcRx::kRetOK)
        return result;
    AcEdCommandStack* commands = acedRegCmds();
    for (const AcRxCommandEntry& entry : CommandTable())
        if (commands->addCommand(entry.group, entry.globalName, entry.localName, entry.flags,
                                 entry.function, nullptr, -1, ResourceInstance()) != Acad::eOk)
            return AcRx::kRetError;
    return AcRx::kRetOK;
}

AcRx::AppRetCode AcRxArxApp::On_kUnloadAppMsg(void* packet) {
    AcEdCommandStack* commands = acedRegCmds();
    for (const AcRxCommandEntry& entry : CommandTable())
        commands->removeCmd(entry.group, entry.globalName);
    return AcRxDbxApp::On_kUnloadAppMsg(packet);
}
