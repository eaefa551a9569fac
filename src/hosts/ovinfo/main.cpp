// ovinfo: prints what the module reads from the installation's files and from drawings, for
// scripts and support (docs/ovinfo.md).
//
//   ovinfo records PATH             the description entries, drawing types and files of a
//                                   ".itm" or ".prj" management file (UTF-8 lines)
//   ovinfo preview FILE [--png OUT] the preview picture of a drawing file (one JSON line), and
//                                   the picture as the windows paint it
//   ovinfo title FILE               the title block's cells and the drawing name (JSON)
//   ovinfo location FILE            the drawing's location record (JSON)
//
// Exit status 0 when the file was read, 1 with a message on standard error when it was not,
// 2 for a wrong command line, 3 when the installation folder does not exist.

#include "Commands.h"

#include "hosts/InstallationCheck.h"

#include "platform/cad/CommandLine.h"
#include "platform/fs/LogicalPath.h"
#include "platform/text/Utf8.h"
#include "records/ManageFileReport.h"
#include "suite/Ov2002GetInstallPath/Ov2002GetInstallPath.h"
#include "suite/OvXmInfo/AllStyNameInfo.h"
#include "suite/OvXmInfo/ManageFileInfo.h"
#include "suite/OvXmInfo/XmComonPar.h"

#include <cstdio>
#include <cstring>
#include <filesystem>

namespace {

int Usage() {
    std::fputs("usage: ovinfo records PATH\n"
               "       ovinfo preview FILE [--png OUT]\n"
               "       ovinfo title FILE\n"
               "       ovinfo location FILE\n",
               stderr);
    return 2;
}

} // namespace

std::wstring LogicalPathOf(const char* pNativePath) {
    std::error_code error;
    std::filesystem::path absolute = std::filesystem::absolute(pNativePath, error);
    return fs::ToLogical(error ? std::filesystem::path(pNativePath) : absolute);
}

std::string ShownPath(const std::wstring& strPath) {
    return fs::ToNative(strPath).string();
}

int PrintRecords(const std::wstring& strPath) {
    Ov2002ReloadInstallation();
    // The installation's catalogue gives the drawing types their display names, as in the host.
    g_XmComonPar.SetTessalInstallPath(GetTessalCommonResInstallPath(), GetTessalLocalInstallPath());
    static CAllStyNameInfo catalogue;
    catalogue.SetStyleFileName(GetTessalCommonResInstallPath());
    CManageFileInfo::Setm_AllStyNameInfo(&catalogue);
    CManageFileInfo manageFile;
    if (!manageFile.ReadManageFile(strPath))
        return 1;
    for (const std::wstring& line : DescribeManageFile(manageFile))
        std::printf("%s\n", text::ToUtf8(line).c_str());
    return 0;
}

int main(int argc, char** argv) {
    if (argc < 3)
        return Usage();
    if (!CheckInstallationFolder("ovinfo"))
        return kNoInstallationStatus;
    // The system's messages go to standard error, the report alone to standard output.
    cad::CommandLine::Instance().SetEcho(
        [](std::wstring_view text) { std::fputs(text::ToUtf8(text).c_str(), stderr); });
    std::string command = argv[1];
    std::wstring path = LogicalPathOf(argv[2]);
    if (command == "records" && argc == 3)
        return PrintRecords(path);
    if (command == "preview" && argc == 3)
        return PrintPreview(path, nullptr);
    if (command == "preview" && argc == 5 && std::strcmp(argv[3], "--png") == 0)
        return PrintPreview(path, argv[4]);
    if (command == "title" && argc == 3)
        return PrintTitle(path);
    if (command == "location" && argc == 3)
        return PrintLocation(path);
    return Usage();
}
