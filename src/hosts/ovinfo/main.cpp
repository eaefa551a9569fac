// ovinfo: prints what the module reads from the installation's files, for scripts and support.
//
//   ovinfo records PATH   the description entries, drawing types and files of a ".itm" or
//                         ".prj" management file (UTF-8). Exit status 0 when the file was
//                         accepted, 1 with the system's message on standard error otherwise.

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
    std::fputs("usage: ovinfo records PATH\n", stderr);
    return 2;
}

int PrintRecords(const char* nativePath) {
    std::error_code error;
    std::filesystem::path absolute = std::filesystem::absolute(nativePath, error);
    std::wstring path = fs::ToLogical(error ? std::filesystem::path(nativePath) : absolute);
    CManageFileInfo manageFile;
    if (!manageFile.ReadManageFile(path))
        return 1;
    for (const std::wstring& line : DescribeManageFile(manageFile))
        std::printf("%s\n", text::ToUtf8(line).c_str());
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3 || std::strcmp(argv[1], "records") != 0)
        return Usage();
    if (!CheckInstallationFolder("ovinfo"))
        return kNoInstallationStatus;
    // The system's messages go to standard error, the report alone to standard output.
    cad::CommandLine::Instance().SetEcho(
        [](std::wstring_view text) { std::fputs(text::ToUtf8(text).c_str(), stderr); });
    Ov2002ReloadInstallation();
    // The installation's catalogue gives the drawing types their display names, as in the host.
    g_XmComonPar.SetTessalInstallPath(GetTessalCommonResInstallPath(), GetTessalLocalInstallPath());
    static CAllStyNameInfo catalogue;
    catalogue.SetStyleFileName(GetTessalCommonResInstallPath());
    CManageFileInfo::Setm_AllStyNameInfo(&catalogue);
    return PrintRecords(argv[2]);
}
