#include "platform/cad/CommandStack.h"

#include "platform/text/WideString.h"

#include <algorithm>

Acad::ErrorStatus AcEdCommandStack::addCommand(const wchar_t* group, const wchar_t* globalName,
                                               const wchar_t* localName, int flags,
                                               AcRxFunctionPtr function, AcEdUIContext*, int,
                                               HINSTANCE resource) {
    if (!group || !*group || !globalName || !*globalName || !function)
        return Acad::eInvalidInput;
    for (const AcEdCommand& existing : m_commands)
        if (text::EqualsNoCase(existing.group, group) &&
            text::EqualsNoCase(existing.globalName, globalName))
            return Acad::eDuplicateKey;
    m_commands.push_back({group, globalName, localName && *localName ? localName : globalName,
                          flags, function, resource, m_loadingModule});
    return Acad::eOk;
}

Acad::ErrorStatus AcEdCommandStack::removeCmd(const wchar_t* group, const wchar_t* globalName) {
    auto found =
        std::find_if(m_commands.begin(), m_commands.end(), [&](const AcEdCommand& command) {
            return group && globalName && text::EqualsNoCase(command.group, group) &&
                   text::EqualsNoCase(command.globalName, globalName);
        });
    if (found == m_commands.end())
        return Acad::eKeyNotFound;
    m_commands.erase(found);
    return Acad::eOk;
}

Acad::ErrorStatus AcEdCommandStack::removeGroup(const wchar_t* group) {
    size_t before = m_commands.size();
    std::erase_if(m_commands, [&](const AcEdCommand& command) {
        return group && text::EqualsNoCase(command.group, group);
    });
    return m_commands.size() == before ? Acad::eKeyNotFound : Acad::eOk;
}

const AcEdCommand* AcEdCommandStack::lookupGlobalCmd(const wchar_t* name) const {
    for (auto command = m_commands.rbegin(); command != m_commands.rend(); ++command)
        if (name && text::EqualsNoCase(command->globalName, name))
            return &*command;
    return nullptr;
}

const AcEdCommand* AcEdCommandStack::lookupLocalCmd(const wchar_t* name) const {
    for (auto command = m_commands.rbegin(); command != m_commands.rend(); ++command)
        if (name && text::EqualsNoCase(command->localName, name))
            return &*command;
    return nullptr;
}

std::vector<AcEdCommand> AcEdCommandStack::commandsOfGroup(const wchar_t* group) const {
    std::vector<AcEdCommand> found;
    for (const AcEdCommand& command : m_commands)
        if (group && text::EqualsNoCase(command.group, group))
            found.push_back(command);
    return found;
}

std::vector<AcEdCommand> AcEdCommandStack::commandsOfModule(const void* module) const {
    std::vector<AcEdCommand> found;
    for (const AcEdCommand& command : m_commands)
        if (module && command.module == module)
            found.push_back(command);
    return found;
}

AcRxObject* AcRxDictionary::at(const wchar_t* key) const {
    static AcEdCommandStack commands;
    return key && std::wstring_view(key) == ACRX_COMMAND_DOCK ? &commands : nullptr;
}

AcRxDictionary* acrxSysRegistry() {
    static AcRxDictionary registry;
    return &registry;
}

AcEdCommandStack* acedRegCmds() {
    return AcEdCommandStack::cast(acrxSysRegistry()->at(ACRX_COMMAND_DOCK));
}
