#pragma once
// What a loadable module builds on: the host's messages to its entry point, the dynamic
// linker's locking and MDI flags, and the application frame that routes each message to one
// virtual handler and registers the module's command table.

#include "platform/cad/CommandStack.h"

#include <vector>

// The API release a module must be built for; its acrxGetApiVersion returns it.
inline constexpr int ACRX_API_RELEASE = 18;

namespace AcRx {
enum AppMsgCode {
    kNullMsg = 0,
    kInitAppMsg = 1,
    kUnloadAppMsg = 2,
    kLoadDwgMsg = 3,
    kUnloadDwgMsg = 4,
    kInvkSubrMsg = 5,
    kCfgMsg = 6,
    kEndMsg = 7,
    kQuitMsg = 8,
    kSaveMsg = 9,
};
enum AppRetCode { kRetOK = 0, kRetError = 3 };
} // namespace AcRx

// The signatures of a module's two exported functions.
using AcrxEntryPointFunction = AcRx::AppRetCode (*)(AcRx::AppMsgCode message, void* packet);
using AcrxGetApiVersionFunction = int (*)();

class AcRxDynamicLinker {
public:
    // The packet is the one the module's entry point received with kInitAppMsg. A locked
    // module (the state it loads in) cannot be unloaded.
    bool unlockApplication(void* appId);
    bool lockApplication(void* appId);
    bool registerAppMDIAware(void* appId);
    bool isApplicationLocked(const wchar_t* moduleName) const;
    bool isAppMDIAware(const wchar_t* moduleName) const;
};

AcRxDynamicLinker* acrxDynamicLinkerPtr();
#define acrxDynamicLinker acrxDynamicLinkerPtr()

// One row of a module's command table.
struct AcRxCommandEntry {
    const wchar_t* group;
    const wchar_t* globalName;
    const wchar_t* localName;
    int flags;
    AcRxFunctionPtr function;
};

// The database-only application frame: unlocking and MDI registration at initialisation.
class AcRxDbxApp {
public:
    AcRxDbxApp(bool unlocked, bool mdiAware) : m_bUnlocked(unlocked), m_bMDIAware(mdiAware) {}
    virtual ~AcRxDbxApp() = default;

    // Routes a host message to its handler.
    AcRx::AppRetCode EntryPoint(AcRx::AppMsgCode message, void* packet);

    virtual AcRx::AppRetCode On_kInitAppMsg(void* packet);
    virtual AcRx::AppRetCode On_kUnloadAppMsg(void* packet);
    virtual AcRx::AppRetCode On_kLoadDwgMsg(void*) { return AcRx::kRetOK; }
    virtual AcRx::AppRetCode On_kUnloadDwgMsg(void*) { return AcRx::kRetOK; }
    virtual AcRx::AppRetCode On_kOtherMsg(AcRx::AppMsgCode, void*) { return AcRx::kRetOK; }
    virtual void RegisterServerComponents() {}

protected:
    bool m_bUnlocked;
    bool m_bMDIAware;
};

// The full application frame: registers the command table at initialisation, in table order,
// with the module's resources, and removes it again at unload.
class AcRxArxApp : public AcRxDbxApp {
public:
    AcRxArxApp(bool unlocked, bool mdiAware) : AcRxDbxApp(unlocked, mdiAware) {}

    AcRx::AppRetCode On_kInitAppMsg(void* packet) override;
    AcRx::AppRetCode On_kUnloadAppMsg(void* packet) override;

protected:
    virtual const std::vector<AcRxCommandEntry>& CommandTable() const = 0;
    virtual HINSTANCE ResourceInstance() const = 0;
};
