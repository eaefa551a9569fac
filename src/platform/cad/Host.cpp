#include "platform/cad/Host.h"

#include "platform/cad/BuiltinCommands.h"
#include "platform/cad/CommandLine.h"
#include "platform/cad/CommandProcessor.h"
#include "platform/cad/Documents.h"
#include "platform/cad/DynamicLinker.h"
#include "platform/cad/HostProfile.h"
#include "platform/cad/HostServices.h"
#include "platform/cad/InputSource.h"
#include "platform/cad/SystemVariables.h"
#include "platform/fs/LogicalPath.h"

#include <csignal>
#include <filesystem>

namespace cad {

void MainFrame::ActivateFrame(int showCommand) {
    if (!IsWindow())
        CreateWindowObject();
    ShowWindow(showCommand >= 0 ? showCommand : IsIconic() ? ui::SW_RESTORE : ui::SW_SHOW);
    SetActiveWindow();
}

void StartHost(const HostOptions& options) {
    StopHost();
    // A write beyond the file-size limit must fail like a full disk, so that the write is
    // cleaned up and reported, instead of the signal ending the program with a half-written
    // temporary file left beside the user's drawing.
    std::signal(SIGXFSZ, SIG_IGN);
    SystemVariables::Instance().Reset();
    if (options.profilePath.empty())
        HostProfile::Instance().Reset();
    else
        HostProfile::Instance().Load(options.profilePath);
    std::error_code ignored;
    acDocManager->setTemplateFolder(options.templateFolder);
    acDocManager->setDrawingFolder(options.drawingFolder.empty()
                                       ? fs::ToLogical(std::filesystem::current_path(ignored))
                                       : options.drawingFolder);
    acdbHostApplicationServices()->setDocumentDatabaseSource([] {
        AcApDocument* document = acDocManager->curDocument();
        return document ? document->database() : nullptr;
    });
    acdbHostApplicationServices()->setWorkingDatabase(nullptr);
    RegisterBuiltinCommands();
    CommandProcessor::Instance().ClearQuit();
    InputSource::Instance().Clear();
    CommandLine::Instance().Clear();
    acedGetAcadFrame()->ActivateFrame();
    if (options.startWithDrawing)
        acDocManager->appContextNewDocument(L"");
}

void StopHost() {
    UnloadAllModules();
    acDocManager->closeAll();
}

} // namespace cad

cad::MainFrame* acedGetAcadFrame() {
    static cad::MainFrame frame;
    return &frame;
}

ui::Window* adsw_acadMainWnd() {
    return acedGetAcadFrame();
}
