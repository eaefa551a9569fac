#pragma once
// The installation a program of ours starts on: the folder OVMANAGE_HOME names, or the bundled
// demo installation. Shared by ovcad, ovsync and ovinfo, so that each says the same about it.

#include <cstdio>
#include <cstdlib>
#include <filesystem>

// The exit status of a program whose installation folder does not exist (2 is a usage error).
inline constexpr int kNoInstallationStatus = 3;

inline std::filesystem::path InstallationFolder() {
    const char* home = std::getenv("OVMANAGE_HOME");
    return home && *home ? std::filesystem::path(home) : std::filesystem::path(OV_BUNDLED_HOME);
}

// False, with one line on standard error, when the installation folder does not exist. A folder
// without "Installation.ini" (a Windows installation copied over) runs on the defaults, with
// one note saying so.
inline bool CheckInstallationFolder(const char* program) {
    std::filesystem::path folder = InstallationFolder();
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error)) {
        std::fprintf(stderr, "%s: the installation folder %s does not exist (set OVMANAGE_HOME)\n",
                     program, folder.c_str());
        return false;
    }
    if (!std::filesystem::exists(folder / "Installation.ini", error))
        std::fprintf(stderr,
                     "%s: no Installation.ini in %s: running on the defaults (one folder for "
                     "everything, no server, code page CP936)\n",
                     program, folder.c_str());
    return true;
}
