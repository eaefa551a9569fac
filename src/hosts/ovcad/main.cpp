// ovcad: the console host. For now it shows the installation it would run on.

#include "platform/text/CodePage.h"
#include "platform/text/Utf8.h"
#include "store/WorkingMode.h"
#include "suite/Ov2002GetInstallPath/Ov2002GetInstallPath.h"

#include <cstdio>

int main() {
    Ov2002ReloadInstallation();
    auto print = [](const char* label, const std::wstring& value) {
        std::printf("%-24s %s\n", label, text::ToUtf8(value).c_str());
    };
    static const wchar_t* kModeNames[] = {L"0 (CAD)", L"1 (Erp)", L"2 (BSF)"};
    print("Installation:", Ov2002GetInstallationHome());
    print("Main folder:", GetInstallPath_TL());
    print("Local folder:", GetTessalLocalInstallPath());
    print("Common resource folder:", GetTessalCommonResInstallPath());
    print("Installation kind:", std::to_wstring(GetCurTessalInstallStyle()));
    print("Server installation:", IsServerTessal() ? L"yes" : L"no");
    print("Version:", OvGetTessalCurVer());
    print("Code page:", text::FromUtf8(text::AnsiCodePage().Name()));
    print("Working mode:", kModeNames[GetErpOrCadMode()]);
    return 0;
}
