#pragma once
// The host's command stack: commands registered by group, looked up by name. The stack is
// found in the system registry under "ACAD_REGISTERED_COMMANDS", as modules look for it.

#include "platform/cad/Documents.h"

#include <string>
#include <vector>

using AcRxFunctionPtr = void (*)();

inline constexpr int ACRX_CMD_MODAL = 0x0;
inline constexpr int ACRX_CMD_TRANSPARENT = 0x1;
inline constexpr int ACRX_CMD_USEPICKSET = 0x2;
inline constexpr int ACRX_CMD_REDRAW = 0x4;
inline constexpr int ACRX_CMD_SESSION = 0x00200000;

#define ACRX_COMMAND_DOCK L"ACAD_REGISTERED_COMMANDS"

class AcEdUIContext;

class AcRxObject {
public:
    virtual ~AcRxObject() = default;
};

struct AcEdCommand {
    std::wstring group;
    std::wstring globalName;
    std::wstring localName;
    int flags = 0;
    AcRxFunctionPtr function = nullptr;
    HINSTANCE resource = nullptr;
    // The module that registered the command (the host's own commands have none).
    const void* module = nullptr;
};

class AcEdCommandStack : public AcRxObject {
public:
    static AcEdCommandStack* cast(AcRxObject* object) {
        return dynamic_cast<AcEdCommandStack*>(object);
    }

    // eDuplicateKey when the group has the global name already; eInvalidInput for an empty name
    // or no function. Names are compared without regard to case.
    Acad::ErrorStatus addCommand(const wchar_t* group, const wchar_t* globalName,
                                 const wchar_t* localName, int flags, AcRxFunctionPtr function,
                                 AcEdUIContext* context = nullptr, int helpId = -1,
                                 HINSTANCE resource = nullptr);
    // eKeyNotFound when the group has no such command.
    Acad::ErrorStatus removeCmd(const wchar_t* group, const wchar_t* globalName);
    Acad::ErrorStatus removeGroup(const wchar_t* group);

    // The command of that global (or local) name; the group registered last wins.
    const AcEdCommand* lookupGlobalCmd(const wchar_t* name) const;
    const AcEdCommand* lookupLocalCmd(const wchar_t* name) const;
    // The commands of a group in the order they were added.
    std::vector<AcEdCommand> commandsOfGroup(const wchar_t* group) const;
    // Every command in the order they were added.
    const std::vector<AcEdCommand>& commands() const { return m_commands; }

    // --- For the host itself ---
    // Commands added while a module initialises are marked as that module's.
    void setLoadingModule(const void* module) { m_loadingModule = module; }
    std::vector<AcEdCommand> commandsOfModule(const void* module) const;

private:
    std::vector<AcEdCommand> m_commands; // in the order they were added
    const void* m_loadingModule = nullptr;
};

class AcRxDictionary {
public:
    // The object registered under the key, or null.
    AcRxObject* at(const wchar_t* key) const;
};

AcRxDictionary* acrxSysRegistry();
AcEdCommandStack* acedRegCmds();
