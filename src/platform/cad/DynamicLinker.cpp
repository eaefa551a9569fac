#include "platform/cad/DynamicLinker.h"

#include "platform/cad/CommandLine.h"
#include "platform/text/Utf8.h"
#include "platform/text/WideString.h"

#include <algorithm>
#include <dlfcn.h>

namespace cad {

namespace {

std::vector<LoadedModule*>& Modules() {
    static std::vector<LoadedModule*> modules;
    return modules;
}

LoadedModule* ByPacket(void* packet) {
    auto& modules = Modules();
    auto found = std::find(modules.begin(), modules.end(), static_cast<LoadedModule*>(packet));
    return found == modules.end() ? nullptr : *found;
}

LoadedModule* ByName(const wchar_t* name) {
    for (LoadedModule* module : Modules())
        if (name && text::EqualsNoCase(module->name, name))
            return module;
    return nullptr;
}

std::wstring LastLinkerError() {
    const char* message = dlerror();
    return message ? text::FromUtf8(message) : L"unknown error";
}

void RemoveLeftCommands(const LoadedModule& module) {
    for (const AcEdCommand& command : acedRegCmds()->commandsOfModule(&module)) {
        acutPrintf(L"\nThe module %s left the command %s registered; it is removed.\n", module.name,
                   command.globalName);
        acedRegCmds()->removeCmd(command.group.c_str(), command.globalName.c_str());
    }
}

void Forget(LoadedModule* module) {
    auto& modules = Modules();
    modules.erase(std::remove(modules.begin(), modules.end(), module), modules.end());
    dlclose(module->handle);
    delete module;
}

} // namespace

const std::vector<LoadedModule*>& LoadedModules() {
    return Modules();
}

bool LoadModule(const std::filesystem::path& path, std::wstring& error) {
    std::wstring name = text::FromUtf8(path.stem().string());
    if (ByName(name.c_str())) {
        error = L"a module named " + name + L" is loaded already";
        return false;
    }
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        error = LastLinkerError();
        return false;
    }
    auto version = reinterpret_cast<AcrxGetApiVersionFunction>(dlsym(handle, "acrxGetApiVersion"));
    auto entry = reinterpret_cast<AcrxEntryPointFunction>(dlsym(handle, "acrxEntryPoint"));
    if (!version || !entry || version() != ACRX_API_RELEASE) {
        error = !version || !entry ? L"the library has no module entry point"
                                   : L"the module is built for another API release";
        dlclose(handle);
        return false;
    }
    auto* module = new LoadedModule{name, path, handle, entry};
    Modules().push_back(module);
    acedRegCmds()->setLoadingModule(module);
    AcRx::AppRetCode result = entry(AcRx::kInitAppMsg, module);
    acedRegCmds()->setLoadingModule(nullptr);
    if (result != AcRx::kRetOK) {
        error = L"the module's initialisation failed";
        entry(AcRx::kUnloadAppMsg, module);
        RemoveLeftCommands(*module);
        Forget(module);
        return false;
    }
    for (AcApDocument* document : acDocManager->documents())
        entry(AcRx::kLoadDwgMsg, document);
    return true;
}

bool UnloadModule(const std::wstring& name, std::wstring& error, bool force) {
    LoadedModule* module = ByName(name.c_str());
    if (!module) {
        error = name + L" is not loaded";
        return false;
    }
    if (module->locked && !force) {
        error = name + L" is locked and cannot be unloaded";
        return false;
    }
    module->entryPoint(AcRx::kUnloadAppMsg, module);
    RemoveLeftCommands(*module);
    Forget(module);
    return true;
}

void UnloadAllModules() {
    while (!Modules().empty()) {
        std::wstring ignored;
        UnloadModule(Modules().back()->name, ignored, true);
    }
}

void NotifyModules(AcRx::AppMsgCode message, void* packet) {
    std::vector<LoadedModule*> modules = Modules();
    for (LoadedModule* module : modules)
        module->entryPoint(message, packet);
}

} // namespace cad

bool AcRxDynamicLinker::unlockApplication(void* appId) {
    cad::LoadedModule* module = cad::ByPacket(appId);
    if (module)
        module->locked = false;
    return module != nullptr;
}

bool AcRxDynamicLinker::lockApplication(void* appId) {
    cad::LoadedModule* module = cad::ByPacket(appId);
    if (module)
        module->locked = true;
    return module != nullptr;
}

bool AcRxDynamicLinker::registerAppMDIAware(void* appId) {
    cad::LoadedModule* module = cad::ByPacket(appId);
    if (module)
        module->mdiAware = true;
    return module != nullptr;
}

bool AcRxDynamicLinker::isApplicationLocked(const wchar_t* moduleName) const {
    cad::LoadedModule* module = cad::ByName(moduleName);
    return module && module->locked;
}

bool AcRxDynamicLinker::isAppMDIAware(const wchar_t* moduleName) const {
    cad::LoadedModule* module = cad::ByName(moduleName);
    return module && module->mdiAware;
}

AcRxDynamicLinker* acrxDynamicLinkerPtr() {
    static AcRxDynamicLinker linker;
    return &linker;
}
