// Any bytes as an installation's description "Installation.ini" load without a fault: the
// folders stay logical paths without a trailing backslash, and the code page in force is one
// that works, whatever the file names.

#include "platform/text/CodePage.h"
#include "suite/Ov2002GetInstallPath/Ov2002GetInstallPath.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

std::filesystem::path g_home;

void RequireFolder(const wchar_t* folder) {
    std::wstring path = folder;
    if (path.empty() || path.front() != L'\\' || (path.size() > 1 && path.back() == L'\\') ||
        path.find(L'/') != std::wstring::npos)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    g_home = std::filesystem::temp_directory_path() /
             ("ov-installation-fuzz-" + std::to_string(getpid()));
    std::filesystem::create_directories(g_home);
    setenv("OVMANAGE_HOME", g_home.c_str(), 1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Written plainly: the safe write's flush to disk would make every run a slow one.
    std::ofstream(g_home / "Installation.ini", std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    Ov2002ReloadInstallation();
    RequireFolder(GetInstallPath_TL());
    RequireFolder(GetTessalLocalInstallPath());
    RequireFolder(GetTessalCommonResInstallPath());
    GetCurTessalInstallStyle();
    IsServerTessal();
    OvGetTessalCurVer();
    if (!text::AnsiCodePage().IsValid())
        std::abort();
    return 0;
}
