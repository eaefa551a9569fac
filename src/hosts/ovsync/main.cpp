// ovsync: runs the server protocol by hand against the FTP site of an installation (the one
// OVMANAGE_HOME names, or the bundled one), with the login file in its LocalData folder.
//
//   ovsync send-folder LOCAL_FOLDER REMOTE_BASE   send a folder as the template save does
//   ovsync version                                whether the client is behind the site
//   ovsync refresh-words                          the word-dictionary refresh of every command

#include "drawing/EditOprt.h"
#include "hosts/InstallationCheck.h"
#include "platform/cad/CommandLine.h"
#include "platform/fs/LogicalPath.h"
#include "platform/text/Utf8.h"
#include "platform/text/WideString.h"
#include "server/MyFtpConnection.h"
#include "server/WordDictionaryRefresh.h"
#include "suite/Ov2002GetInstallPath/Ov2002GetInstallPath.h"

#include <cstdio>
#include <filesystem>
#include <string>

namespace {

void Print(const std::wstring& line) {
    std::printf("%s\n", text::ToUtf8(line).c_str());
}

int Usage() {
    std::fprintf(stderr, "usage: ovsync send-folder LOCAL_FOLDER REMOTE_BASE\n"
                         "       ovsync version\n"
                         "       ovsync refresh-words\n");
    return 2;
}

bool ConnectOrSay(CMyFtpConnection& connection) {
    if (connection.Connect())
        return true;
    Print(L"Cannot connect to the FTP site: " + connection.GetLastStatus().text);
    return false;
}

int SendFolder(const std::string& localArgument, const std::string& baseArgument) {
    std::wstring strLocal = fs::ToLogical(std::filesystem::absolute(localArgument));
    strLocal = text::TrimRight(strLocal, L"\\");
    std::wstring strBase =
        text::Trim(text::ReplaceAll(text::FromUtf8(baseArgument), L"/", L"\\"), L"\\");
    if (!CEditOprt::IsDirExist(strLocal)) {
        Print(L"No such folder: " + strLocal);
        return 1;
    }
    std::wstring strName = CEditOprt::GetLastPathItem(strLocal);
    std::wstring strFolder = strBase.empty() ? strName : CEditOprt::JoinPath(strBase, strName);
    CMyFtpConnection connection;
    if (!ConnectOrSay(connection))
        return 1;
    Print(L"Sending " + strLocal + L" to " + strFolder);
    int bOk = connection.SendFolderToServer(strBase, strFolder, strLocal);
    Print(bOk ? L"Sent." : L"Not everything could be sent.");
    return bOk ? 0 : 1;
}

int Version() {
    CMyFtpConnection connection;
    if (!ConnectOrSay(connection))
        return 1;
    int nChanged = connection.CheckClientVersion();
    for (const wchar_t* name : {L"Client.xml", L"Client_PartLib.xml"}) {
        std::wstring strLine;
        CEditOprt::ReadFirstLine(CEditOprt::JoinPath(GetInstallPath_TL(), name), strLine);
        Print(std::wstring(name) + L": " + (strLine.empty() ? L"(none)" : strLine));
    }
    Print(nChanged ? L"1: the site changed since this client's stamp"
                   : L"0: this client is up to date with the site");
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    std::string command = argc > 1 ? argv[1] : "";
    if (!((command == "send-folder" && argc == 4) ||
          ((command == "version" || command == "refresh-words") && argc == 2)))
        return Usage();
    if (!CheckInstallationFolder("ovsync"))
        return kNoInstallationStatus;
    Ov2002ReloadInstallation();
    cad::CommandLine::Instance().SetEcho(
        [](std::wstring_view written) { std::printf("%s", text::ToUtf8(written).c_str()); });
    if (command == "send-folder")
        return SendFolder(argv[2], argv[3]);
    if (command == "version")
        return Version();
    int bOk = RefreshWordDictionaryFromServer();
    Print(bOk ? L"Data\\word.mdb refreshed from the server." : L"Data\\word.mdb not refreshed.");
    return bOk ? 0 : 1;
}
