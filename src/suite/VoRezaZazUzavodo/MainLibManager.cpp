#include "suite/VoRezaZazUzavodo/MainLibManager.h"

#include "platform/text/TextFile.h"
#include "platform/text/WideString.h"
#include "platform/ui/Window.h"
#include "suite/Ov2002GetInstallPath/Ov2002GetInstallPath.h"
#include "suite/VoRezaZazUzavodo/MainLibBrowserDlg.h"

namespace {

CMainLibBrowserDlg* g_pOpenBrowser = nullptr;
// The record handed to the window last; it lives until the next browse.
std::vector<std::wstring> g_arrChosenRecord;

} // namespace

std::vector<std::vector<std::wstring>> OvReadMainLibRecords() {
    std::wstring strFolder = GetTessalCommonResInstallPath();
    if (!strFolder.empty() && strFolder.back() == L'\\')
        strFolder.pop_back();
    std::vector<std::wstring> arrLines;
    text::ReadTextLines(strFolder + L"\\Data\\OvMainLib.txt", arrLines);
    std::vector<std::vector<std::wstring>> arrRecords;
    for (const std::wstring& strLine : arrLines) {
        if (text::Trim(strLine).empty() || strLine.front() == L'#')
            continue;
        std::vector<std::wstring> record = text::Split(strLine, L"|");
        for (std::wstring& strElement : record)
            strElement = text::Trim(strElement);
        arrRecords.push_back(std::move(record));
    }
    return arrRecords;
}

std::wstring OvRecordElement(const std::vector<std::wstring>& record, size_t nIndex) {
    return nIndex < record.size() ? record[nIndex] : std::wstring();
}

int OvGetMainLibManagerAttributes(ui::Window* pWnd, int nMode) {
    if (!pWnd || nMode != 2 || g_pOpenBrowser)
        return 0;
    CMainLibBrowserDlg browser(OvReadMainLibRecords(), pWnd);
    g_pOpenBrowser = &browser;
    int nResult = browser.DoModal();
    g_pOpenBrowser = nullptr;
    if (nResult == ui::IDOK) {
        g_arrChosenRecord = browser.GetChosenRecord();
        pWnd->PostMessage(WM_OVMAINLIB_CHOSEN, 0, reinterpret_cast<ui::LPARAM>(&g_arrChosenRecord));
    } else {
        pWnd->PostMessage(WM_OVMAINLIB_CANCELLED);
    }
    return 1;
}

int OvExecuteFilter(int) {
    if (!g_pOpenBrowser)
        return 0;
    g_pOpenBrowser->ApplyFilter();
    return 1;
}
