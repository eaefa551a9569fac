#include "drawing/RunningToolGuard.h"

#include "platform/text/Format.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Window.h"

const wchar_t* const g_arrRunningToolTitles[5] = {
    L"端子表生成", L"接线生成", L"明细表", L"元件分板及布置", L"屏端子统计及端子条绘制",
};

int CheckRunningTools(ui::Window* pOwner) {
    for (const wchar_t* strTitle : g_arrRunningToolTitles)
        if (ui::FindWindowW(nullptr, strTitle)) {
            ui::MessageBox(pOwner, text::Format(L"\n在此操作前，请关闭正在运行的\"%s\"", strTitle),
                           L"Tessaline", ui::MB_OK | ui::MB_ICONEXCLAMATION);
            return 1;
        }
    return 0;
}
