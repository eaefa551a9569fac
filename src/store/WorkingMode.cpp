#include "store/WorkingMode.h"

#include "drawing/EditOprt.h"
#include "platform/text/TextFile.h"
#include "platform/text/WideString.h"
#include "suite/Ov2002GetInstallPath/Ov2002GetInstallPath.h"

namespace {

int g_bModeKnown = 0;
int g_nMode = 0;

} // namespace

int GetErpOrCadMode() {
    if (g_bModeKnown)
        return g_nMode;
    std::wstring strPath = CEditOprt::JoinPath(GetInstallPath_TL(), L"Data\\ErpOrCad.txt");
    std::wstring strLine;
    if (!CEditOprt::IsFileExist(strPath) || !text::ReadFirstTextLine(strPath, strLine))
        return 0;
    g_bModeKnown = 1;
    if (text::StartsWithNoCase(strLine, L"Erp"))
        g_nMode = 1;
    else if (text::StartsWithNoCase(strLine, L"BSF"))
        g_nMode = 2;
    else
        g_nMode = 0;
    return g_nMode;
}

int IsErpMode() {
    return GetErpOrCadMode() == 1 ? 1 : 0;
}

void ResetErpOrCadMode() {
    g_bModeKnown = 0;
    g_nMode = 0;
}
