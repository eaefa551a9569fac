#include "platform/cad/BuiltinCommands.h"

#include "platform/cad/CommandLine.h"
#include "platform/cad/CommandProcessor.h"
#include "platform/cad/CommandStack.h"
#include "platform/cad/HostProfile.h"
#include "platform/cad/SystemVariables.h"
#include "platform/fs/FileSystem.h"
#include "platform/text/Format.h"
#include "platform/text/WideString.h"

#include <algorithm>

namespace cad {

namespace {

std::optional<std::wstring> Ask(std::wstring_view prompt, bool spaceEnds = true) {
    return CommandProcessor::Instance().GetInput(prompt, spaceEnds);
}

bool HasExtension(const std::wstring& path) {
    size_t slash = path.find_last_of(L'\\');
    size_t dot = path.find_last_of(L'.');
    return dot != std::wstring::npos && (slash == std::wstring::npos || dot > slash) &&
           dot + 1 < path.size();
}

// A typed file name as a full logical path: ".dwg" added when it has no extension, and a
// relative name taken in `folder`.
std::wstring DrawingPath(std::wstring name, const std::wstring& folder) {
    // Paths typed the Linux way ("/home/u/a.dwg") are taken as the logical paths they stand for.
    name = text::ReplaceAll(text::Trim(text::Trim(name), L"\""), L"/", L"\\");
    if (!HasExtension(name))
        name += L".dwg";
    if (name.front() == L'\\')
        return name;
    return folder.empty() || folder.back() != L'\\' ? folder + L"\\" + name : folder + name;
}

std::wstring CurrentFolder() {
    resbuf prefix;
    return acedGetVar(L"DWGPREFIX", &prefix) == RTNORM ? prefix.resval.rstring
                                                       : acDocManager->drawingFolder();
}

std::optional<AcDb::AcDbDwgVersion> FormatOf(const std::wstring& answer) {
    std::wstring keyword = text::FoldCase(text::TrimLeft(answer, L"_"));
    if (keyword.empty())
        return DefaultSaveVersion();
    if (keyword == L"r14")
        return AcDb::kDHL_1014;
    if (keyword == L"2000")
        return AcDb::kDHL_1015;
    if (keyword == L"2004")
        return AcDb::kDHL_1800;
    if (keyword == L"2007")
        return AcDb::kDHL_2100;
    if (keyword == L"2010")
        return AcDb::kDHL_2400;
    return std::nullopt;
}

bool SaveDocument(AcApDocument& document, const std::wstring& path, AcDb::AcDbDwgVersion version) {
    bool backup = SystemVariables::Instance().ShortValue(L"ISAVEBAK") != 0;
    Acad::ErrorStatus status = document.database()->saveAs(path.c_str(), backup, version);
    if (status != Acad::eOk) {
        acutPrintf(L"\nCannot save %s: %s\n", path, acadErrorStatusText(status));
        return false;
    }
    document.setFileName(path);
    document.setSaveName(path);
    return true;
}

void SaveAsWithVersion(AcApDocument& document, AcDb::AcDbDwgVersion version) {
    std::wstring current = document.isTitled() ? document.fileName() : L"";
    std::optional<std::wstring> name =
        Ask(text::Format(L"\nSave drawing as <%s>: ", current), false);
    if (!name)
        return;
    if (text::Trim(*name).empty() && current.empty()) {
        acutPrintf(L"\nThe drawing has no file yet: give a file name.\n");
        return;
    }
    std::wstring path = text::Trim(*name).empty() ? current : DrawingPath(*name, CurrentFolder());
    AcApDocument* other = acDocManager->findDocument(path);
    if (other && other != &document) {
        acutPrintf(L"\nThe drawing %s is open in another document.\n", path);
        return;
    }
    if (fs::IsFile(path)) {
        std::optional<std::wstring> answer =
            Ask(L"\nA drawing with this name already exists.\nDo you want to replace it? <N>: ");
        std::wstring yes = answer ? text::FoldCase(text::Trim(*answer)) : L"";
        if (yes != L"y" && yes != L"yes")
            return;
    }
    SaveDocument(document, path, version);
}

void SaveAs() {
    AcApDocument* document = acDocManager->curDocument();
    if (!document) {
        acutPrintf(L"\nNo drawing is open.\n");
        return;
    }
    std::optional<std::wstring> format =
        Ask(L"\nEnter file format [R14/2000/2004/2007/2010] <default>: ");
    if (!format)
        return;
    std::optional<AcDb::AcDbDwgVersion> version = FormatOf(*format);
    if (!version) {
        acutPrintf(L"\nInvalid option keyword.\n");
        return;
    }
    SaveAsWithVersion(*document, *version);
}

void QuickSave() {
    AcApDocument* document = acDocManager->curDocument();
    if (!document)
        acutPrintf(L"\nNo drawing is open.\n");
    else if (document->isTitled())
        SaveDocument(*document, document->fileName(), DefaultSaveVersion());
    else
        SaveAsWithVersion(*document, DefaultSaveVersion());
}

void Open() {
    std::optional<std::wstring> name = Ask(L"\nEnter name of drawing to open: ", false);
    if (!name || text::Trim(*name).empty())
        return;
    std::wstring path = DrawingPath(*name, acDocManager->drawingFolder());
    Acad::ErrorStatus status = acDocManager->appContextOpenDocument(path.c_str());
    if (status == Acad::eFileNotFound)
        acutPrintf(L"\nCannot find the file %s.\n", path);
    else if (status != Acad::eOk && status != Acad::eDocumentSwitchDisabled)
        acutPrintf(L"\nCannot open %s: %s\n", path, acadErrorStatusText(status));
}

void New() {
    std::optional<std::wstring> name = Ask(L"\nEnter template name <acad.dwt>: ", false);
    if (!name)
        return;
    std::wstring templateName = text::Trim(*name);
    Acad::ErrorStatus status = acDocManager->appContextNewDocument(templateName.c_str());
    if (status == Acad::eFileNotFound)
        acutPrintf(L"\nCannot find the template %s.\n", templateName);
    else if (status != Acad::eOk && status != Acad::eDocumentSwitchDisabled)
        acutPrintf(L"\nCannot start a drawing from %s: %s\n", templateName,
                   acadErrorStatusText(status));
}

void Close() {
    if (AcApDocument* document = acDocManager->curDocument())
        acDocManager->releaseDocument(document);
    else
        acutPrintf(L"\nNo drawing is open.\n");
}

void Documents() {
    std::vector<AcApDocument*> documents = acDocManager->documents();
    if (documents.empty())
        acutPrintf(L"\nNo drawing is open.\n");
    for (size_t i = 0; i < documents.size(); ++i)
        acutPrintf(L"\n%2d %s %s%s\n", static_cast<int>(i + 1),
                   documents[i] == acDocManager->curDocument() ? L"*" : L" ",
                   documents[i]->fileName(),
                   documents[i]->database()->isModified() ? L" (changed)" : L"");
}

void Switch() {
    std::optional<std::wstring> which = Ask(L"\nEnter number or name of the drawing: ", false);
    if (!which)
        return;
    std::vector<AcApDocument*> documents = acDocManager->documents();
    int number = text::ToInt(*which);
    for (size_t i = 0; i < documents.size(); ++i)
        if (number == static_cast<int>(i + 1) ||
            text::EqualsNoCase(documents[i]->fileName(), *which) ||
            text::EqualsNoCase(documents[i]->docTitle(), *which)) {
            acDocManager->activateDocument(documents[i]);
            return;
        }
    acutPrintf(L"\nNo open drawing is called %s.\n", *which);
}

// HELP and "?": the commands one can type, those of the loaded modules first, then the host's.
void Help() {
    std::vector<std::wstring> groups;
    for (const AcEdCommand& command : acedRegCmds()->commands())
        if (std::find(groups.begin(), groups.end(), command.group) == groups.end())
            groups.push_back(command.group);
    std::stable_partition(groups.begin(), groups.end(),
                          [](const std::wstring& group) { return group != L"ACAD"; });
    std::wstring text = L"\n";
    for (const std::wstring& group : groups) {
        text += group == L"ACAD" ? L"Host commands:" : L"Commands of " + group + L":";
        for (const AcEdCommand& command : acedRegCmds()->commandsOfGroup(group.c_str()))
            text += L" " + command.globalName;
        text += L"\n";
    }
    acutPrintf(L"%s", text);
}

void Quit() {
    for (AcApDocument* document : acDocManager->documents())
        if (!acDocManager->releaseDocument(document))
            return;
    CommandProcessor::Instance().RequestQuit();
}

} // namespace

void RegisterFileCommands() {
    AcEdCommandStack* commands = acedRegCmds();
    commands->addCommand(L"ACAD", L"SAVEAS", L"SAVEAS", ACRX_CMD_MODAL, SaveAs);
    commands->addCommand(L"ACAD", L"QSAVE", L"QSAVE", ACRX_CMD_MODAL, QuickSave);
    commands->addCommand(L"ACAD", L"SAVE", L"SAVE", ACRX_CMD_MODAL, QuickSave);
    commands->addCommand(L"ACAD", L"OPEN", L"OPEN", ACRX_CMD_SESSION, Open);
    commands->addCommand(L"ACAD", L"NEW", L"NEW", ACRX_CMD_SESSION, New);
    commands->addCommand(L"ACAD", L"CLOSE", L"CLOSE", ACRX_CMD_SESSION, Close);
    commands->addCommand(L"ACAD", L"DOCUMENTS", L"DOCUMENTS", ACRX_CMD_TRANSPARENT, Documents);
    commands->addCommand(L"ACAD", L"SWITCH", L"SWITCH", ACRX_CMD_SESSION, Switch);
    commands->addCommand(L"ACAD", L"QUIT", L"QUIT", ACRX_CMD_SESSION, Quit);
    commands->addCommand(L"ACAD", L"EXIT", L"EXIT", ACRX_CMD_SESSION, Quit);
    commands->addCommand(L"ACAD", L"HELP", L"HELP", ACRX_CMD_TRANSPARENT, Help);
    commands->addCommand(L"ACAD", L"?", L"?", ACRX_CMD_TRANSPARENT, Help);
}

void RegisterBuiltinCommands() {
    if (acedRegCmds()->lookupGlobalCmd(L"SAVEAS"))
        return;
    RegisterFileCommands();
    RegisterDrawingCommands();
}

} // namespace cad
