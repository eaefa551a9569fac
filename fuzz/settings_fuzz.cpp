// Any bytes as the settings and list files of an installation ("LocalData\awork.sys",
// "LocalData\HistoryData.txt", "Data\ErpOrCad.txt", the three type lists, "Data\filestyle.dat",
// "Data\recent.dat") read through the module's readers without a fault, whatever their
// encoding: the readers' rules (defaults, adjusted values, built-in lines) hold for them all.

#include "platform/fs/LogicalPath.h"
#include "store/FileStyleList.h"
#include "store/HistoryDataOprt.h"
#include "store/ReadAworkSys.h"
#include "store/RememberedContainers.h"
#include "store/TypeLists.h"
#include "store/WorkingMode.h"
#include "suite/Ov2002GetInstallPath/Ov2002GetInstallPath.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

void Require(bool condition) {
    if (!condition)
        std::abort();
}

std::wstring File(const wchar_t* relative) {
    return std::wstring(GetInstallPath_TL()) + L"\\" + relative;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::filesystem::path home =
        std::filesystem::temp_directory_path() / ("ov-settings-fuzz-" + std::to_string(getpid()));
    std::filesystem::create_directories(home / "Data");
    std::filesystem::create_directories(home / "LocalData");
    setenv("OVMANAGE_HOME", home.c_str(), 1);
    Ov2002ReloadInstallation();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (const wchar_t* file :
         {L"LocalData\\awork.sys", L"LocalData\\HistoryData.txt", L"Data\\ErpOrCad.txt",
          L"Data\\DZBDZLXFH.txt", L"Data\\DZBDXLXFH.txt", L"Data\\DZBHUILUFH.txt",
          L"Data\\filestyle.dat", L"Data\\recent.dat"})
        // Written plainly: the safe write's flush to disk would make every run a slow one.
        std::ofstream(fs::ToNative(File(file)), std::ios::binary | std::ios::trunc) << bytes;

    CReadAworkSys settings;
    settings.ReadAworkSys();
    Require(settings.GetOuterFrameWidth() > 0 && settings.GetLayoutHeaderCircleDiameter() > 0);
    double distance = settings.GetComponentWireNumberDistance();
    Require(distance == 0.0 || distance == 1.3 || distance > 0.000001);
    settings.GetDefaultTextStyle();
    settings.IsAdaptiveWiring();
    settings.GetSameComponentPinWiringMode();

    CHistoryDataOprt history;
    Require(history.GetHistoryLastIndex() >= 296);
    std::wstring value;
    history.GetHistoryString(88, value);

    ResetErpOrCadMode();
    int mode = GetErpOrCadMode();
    Require(mode >= 0 && mode <= 2);

    std::vector<std::wstring> a, b, c, d, e;
    ReadTerminalTypes(a, b, c, d);
    Require(!a.empty() && a.size() == b.size() && b.size() == c.size() && c.size() == d.size());
    ReadWireTypes(a, b, c, d, e);
    Require(!a.empty() && a.size() == e.size());
    ReadCircuitTypes(a, b);
    Require(!a.empty() && a.size() == b.size());

    std::vector<STRUCT_XMSB_FILESTYLE> styles;
    ReadFileStyleList(styles);
    for (const STRUCT_XMSB_FILESTYLE& style : styles)
        Require(!style.strStyleName.empty() && !style.strDescription.empty());
    GetRecentContainerPath();
    return 0;
}
