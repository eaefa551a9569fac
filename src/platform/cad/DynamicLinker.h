#pragma once
// Loading and unloading modules: shared libraries that export acrxEntryPoint and
// acrxGetApiVersion. A module and the host share one copy of the host library, so the module's
// commands, documents and command line are the host's own.

#include "platform/cad/ArxApp.h"

#include <filesystem>
#include <string>
#include <vector>

namespace cad {

struct LoadedModule {
    std::wstring name; // the file name without its extension ("OvManage")
    std::filesystem::path path;
    void* handle = nullptr;
    AcrxEntryPointFunction entryPoint = nullptr;
    bool locked = true;
    bool mdiAware = false;
};

// Loads the module and sends it kInitAppMsg, then kLoadDwgMsg for each open document. False,
// with the reason in `error`, when the library cannot be loaded, lacks an entry point, is built
// for another API release, or its initialisation fails (the module is then unloaded again).
bool LoadModule(const std::filesystem::path& path, std::wstring& error);
// Sends kUnloadAppMsg and unloads the library. A locked module stays unless `force` (the host
// quitting). Commands the module leaves registered are removed, with a note on the command line.
bool UnloadModule(const std::wstring& name, std::wstring& error, bool force = false);
void UnloadAllModules();
const std::vector<LoadedModule*>& LoadedModules();
// Sends a message to every loaded module (documents opened and closed).
void NotifyModules(AcRx::AppMsgCode message, void* packet);

} // namespace cad
