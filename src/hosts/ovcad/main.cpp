// ovcad: the console host. It starts the stand-in CAD host on the installation (OVMANAGE_HOME,
// or the bundled demo installation), loads the module OvManage and runs what is typed, or what
// a script holds, as the host's command line. See docs/cad-host.md.

#include "ConsoleInput.h"
#include "hosts/InstallationCheck.h"
#include "platform/cad/CommandLine.h"
#include "platform/cad/CommandProcessor.h"
#include "platform/cad/DbDatabase.h"
#include "platform/cad/Documents.h"
#include "platform/cad/DynamicLinker.h"
#include "platform/cad/Host.h"
#include "platform/cad/InputSource.h"
#include "platform/fs/LogicalPath.h"
#include "platform/text/Utf8.h"
#include "platform/ui/ConsoleBackend.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>

namespace {

const char kUsage[] =
    "usage: ovcad [--script FILE] [--answers LIST] [--module FILE] [--profile FILE]\n"
    "       ovcad --write-template FILE\n";

struct Options {
    std::filesystem::path script;
    std::wstring answers;
    bool answersGiven = false;
    std::filesystem::path module = OV_MODULE_PATH;
    std::filesystem::path profile;
    std::filesystem::path templateOutput;
};

bool ParseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        std::string option = argv[i];
        if (i + 1 >= argc)
            return false;
        std::string value = argv[++i];
        if (option == "--script")
            options.script = value;
        else if (option == "--answers") {
            options.answers = text::FromUtf8(value);
            options.answersGiven = true;
        } else if (option == "--module")
            options.module = value;
        else if (option == "--profile")
            options.profile = value;
        else if (option == "--write-template")
            options.templateOutput = value;
        else
            return false;
    }
    return true;
}

// The drawing every new drawing starts from: the host's default drawing, as the demo
// installation ships it in Support\TEMPLATE.
int WriteTemplate(const std::filesystem::path& output) {
    AcDbDatabase database;
    Acad::ErrorStatus status =
        database.saveAs(fs::ToLogical(std::filesystem::absolute(output)).c_str(), false);
    if (status != Acad::eOk) {
        std::fprintf(stderr, "ovcad: cannot write %s: %s\n", output.c_str(),
                     text::ToUtf8(acadErrorStatusText(status)).c_str());
        return 1;
    }
    return 0;
}

void DiscardUnsavedChanges() {
    for (AcApDocument* document : acDocManager->documents())
        if (document->database()->isModified())
            acutPrintf(L"\nThe changes to %s are not saved.\n", document->fileName());
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    if (!options.templateOutput.empty())
        return WriteTemplate(options.templateOutput);
    if (!CheckInstallationFolder("ovcad"))
        return kNoInstallationStatus;

    cad::CommandLine::Instance().SetEcho([](std::wstring_view text) {
        std::cout << text::ToUtf8(text);
        std::cout.flush();
    });
    ConsoleInput input;
    if (!options.script.empty() && !input.OpenScript(options.script)) {
        std::fprintf(stderr, "ovcad: cannot read the script %s\n", options.script.c_str());
        return 2;
    }
    ui::ConsoleBackend backend(
        [&input] { return input.NextLine(); },
        [](std::wstring_view text) { cad::CommandLine::Instance().Write(text); });
    if (options.answersGiven && !backend.SetAnswers(options.answers)) {
        std::fputs("ovcad: --answers takes words such as yes,no,ok,cancel\n", stderr);
        return 2;
    }
    ui::SetBackend(&backend);

    std::filesystem::path home = InstallationFolder();
    cad::HostOptions hostOptions;
    hostOptions.templateFolder = fs::ToLogical(home / "Support" / "TEMPLATE");
    hostOptions.profilePath =
        fs::ToLogical(options.profile.empty() ? home / "HostProfile.ini" : options.profile);
    cad::StartHost(hostOptions);
    acutPrintf(L"\novcad on the installation %s\n", fs::ToLogical(home));

    std::wstring error;
    if (!cad::LoadModule(options.module, error))
        acutPrintf(L"\nThe module %s cannot be loaded: %s\n",
                   text::FromUtf8(options.module.string()), error);

    cad::CommandProcessor& processor = cad::CommandProcessor::Instance();
    processor.SetInteractiveSource([&input, &backend, &processor]() -> std::optional<std::wstring> {
        // Timers of open windows run and posted messages are handled while the prompt waits;
        // at the command prompt, "win ..." acts on the open management window.
        backend.Idle();
        std::optional<std::wstring> line = input.NextLine();
        if (line && !processor.IsBusy() && backend.HandleWindowLine(*line))
            return std::wstring();
        return line;
    });
    cad::InputSource::Instance().SetSupplier([&input]() -> std::optional<cad::InputEvent> {
        for (;;) {
            acutPrintf(L"\n[move X,Y | pick X,Y | enter | space | esc | aux N]: ");
            std::optional<std::wstring> line = input.NextLine();
            if (!line)
                return std::nullopt;
            if (std::optional<cad::InputEvent> event = cad::InputSource::Parse(*line))
                return event;
        }
    });
    processor.Execute(L"", false, true);
    if (!processor.QuitRequested())
        DiscardUnsavedChanges();

    cad::StopHost();
    ui::SetBackend(nullptr);
    acutPrintf(L"\n");
    return 0;
}
