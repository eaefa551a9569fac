#include "suite/Ov2002GetInstallPath/Ov2002GetInstallPath.h"

#include "platform/fs/FileIo.h"
#include "platform/fs/FileSystem.h"
#include "platform/fs/LogicalPath.h"
#include "platform/text/CodePage.h"
#include "platform/text/Utf8.h"
#include "platform/text/WideString.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#ifndef OV_BUNDLED_HOME
#define OV_BUNDLED_HOME "install"
#endif

namespace {

struct Installation {
    bool loaded = false;
    std::wstring home;
    std::wstring mainFolder;
    std::wstring localFolder;
    std::wstring commonResFolder;
    int kind = 0;
    int server = 0;
    std::wstring version = L"1";
};

Installation g_installation;

std::wstring WithoutTrailingBackslash(std::wstring folder) {
    while (folder.size() > 1 && folder.back() == L'\\')
        folder.pop_back();
    return folder;
}

// A folder of the description: absolute as written, or relative to the description's folder.
std::wstring FolderOf(const std::wstring& home, const std::wstring& value) {
    std::wstring logical = text::ReplaceAll(value, L"/", L"\\");
    if (logical.empty() || logical == L".")
        return home;
    if (logical.front() == L'\\')
        return WithoutTrailingBackslash(logical);
    std::filesystem::path native = fs::ToNative(home) / fs::ToNative(logical);
    return WithoutTrailingBackslash(fs::ToLogical(native.lexically_normal()));
}

std::wstring HomeFolder() {
    const char* fromEnvironment = std::getenv("OVMANAGE_HOME");
    std::filesystem::path home =
        (fromEnvironment && *fromEnvironment) ? fromEnvironment : OV_BUNDLED_HOME;
    std::error_code error;
    std::filesystem::path absolute = std::filesystem::absolute(home, error);
    return WithoutTrailingBackslash(fs::ToLogical((error ? home : absolute).lexically_normal()));
}

int Load() {
    Installation installation;
    installation.loaded = true;
    installation.home = HomeFolder();
    installation.mainFolder = installation.localFolder = installation.commonResFolder =
        installation.home;
    std::string codePage = "CP936";

    int ok = 1;
    std::wstring description = installation.home + L"\\Installation.ini";
    // A folder with a control character in it names no folder (a NUL would cut the path short
    // for every caller): the installation folder serves instead.
    auto folderOf = [&](const std::wstring& value) {
        if (std::any_of(value.begin(), value.end(), [](wchar_t c) { return c < 0x20; })) {
            std::fprintf(stderr, "OvManage: a folder in %s holds a control character; using %s\n",
                         text::ToUtf8(description).c_str(),
                         text::ToUtf8(installation.home).c_str());
            ok = 0;
            return installation.home;
        }
        return FolderOf(installation.home, value);
    };
    if (fs::Exists(description)) {
        std::string bytes;
        if (!fs::ReadBytes(description, bytes)) {
            ok = 0;
        } else {
            for (const std::wstring& rawLine : text::Split(text::FromUtf8(bytes), L"\n")) {
                std::wstring line = text::Trim(rawLine);
                if (line.empty() || line[0] == L'#' || line[0] == L';' || line[0] == L'[')
                    continue;
                size_t equals = line.find(L'=');
                if (equals == std::wstring::npos)
                    continue;
                std::wstring key = text::Trim(line.substr(0, equals));
                std::wstring value = text::Trim(line.substr(equals + 1));
                if (text::EqualsNoCase(key, L"MainFolder"))
                    installation.mainFolder = folderOf(value);
                else if (text::EqualsNoCase(key, L"LocalFolder"))
                    installation.localFolder = folderOf(value);
                else if (text::EqualsNoCase(key, L"CommonResourceFolder"))
                    installation.commonResFolder = folderOf(value);
                else if (text::EqualsNoCase(key, L"Kind"))
                    installation.kind = text::ToInt(value);
                else if (text::EqualsNoCase(key, L"Server"))
                    installation.server = text::ToInt(value) != 0 ? 1 : 0;
                else if (text::EqualsNoCase(key, L"Version"))
                    installation.version = value;
                else if (text::EqualsNoCase(key, L"CodePage") && !value.empty())
                    codePage = text::ToUtf8(value);
            }
        }
    }
    if (!text::SetAnsiCodePage(codePage)) {
        std::fprintf(stderr, "OvManage: unknown code page \"%s\" in %s; using CP936\n",
                     codePage.c_str(), text::ToUtf8(description).c_str());
        text::SetAnsiCodePage("CP936");
        ok = 0;
    }
    g_installation = std::move(installation);
    return ok;
}

const Installation& Current() {
    if (!g_installation.loaded)
        Load();
    return g_installation;
}

} // namespace

const wchar_t* GetInstallPath_TL() {
    return Current().mainFolder.c_str();
}
const wchar_t* GetTessalLocalInstallPath() {
    return Current().localFolder.c_str();
}
const wchar_t* GetTessalCommonResInstallPath() {
    return Current().commonResFolder.c_str();
}
int GetCurTessalInstallStyle() {
    return Current().kind;
}
int IsServerTessal() {
    return Current().server;
}
const wchar_t* OvGetTessalCurVer() {
    return Current().version.c_str();
}
int Ov2002ReloadInstallation() {
    return Load();
}
const wchar_t* Ov2002GetInstallationHome() {
    return Current().home.c_str();
}
