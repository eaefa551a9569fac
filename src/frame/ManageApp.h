#pragma once
// The module's application object: the host's messages arrive at acrxEntryPoint and are routed
// to its handlers. At initialisation the module unlocks itself, declares itself MDI-aware and
// adds its seven transparent commands to the group "OvManage"; at unload it removes them and
// closes the management window.

#include "platform/cad/ArxApp.h"

class CManageApp : public AcRxArxApp {
public:
    CManageApp() : AcRxArxApp(true, true) {}

    AcRx::AppRetCode On_kUnloadAppMsg(void* packet) override;
    void RegisterServerComponents() override {}

    static const std::vector<AcRxCommandEntry>& Commands();

protected:
    const std::vector<AcRxCommandEntry>& CommandTable() const override { return Commands(); }
    HINSTANCE ResourceInstance() const override;
};

extern "C" {
__attribute__((visibility("default"))) AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode message,
                                                                       void* packet);
__attribute__((visibility("default"))) int acrxGetApiVersion();
}
