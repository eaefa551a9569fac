// Templates and new files at scale, each in the same run as its baseline:
// - a new drawing A-001 in a type where A-001 ... A-200 exist, end to end through the window
//   (the 200 drawings shifted to the next names, their records renamed, the drawing made from
//   its template and saved, recorded, sorted and the trees refreshed), against 200 plain
//   renames, one management-file write and one save of the template drawing (target: at most
//   twice as long);
// - an Equipment of 200 drawings of about 100 KB saved as a local template under its own name,
//   end to end, against a plain recursive copy of its folder (target: at most 1.5 times);
// - the new-file dialog's start on a Project of 200 Equipments of 50 drawings (the highest
//   number among all their drawings, the template list), against listing the same 201 folders
//   (target: at most twice as long).

#include "BenchSupport.h"
#include "ManageWindowDriver.h"

#include "drawing/EditOprt.h"
#include "frame/ManageCommands.h"
#include "frame/ManageGlobals.h"
#include "manager/InputNameDlg.h"
#include "manager/ManageDlg.h"
#include "manager/NewFileDlg.h"
#include "platform/cad/DbDatabase.h"
#include "platform/cad/Documents.h"
#include "platform/cad/Host.h"
#include "platform/fs/FileSystem.h"
#include "platform/fs/LogicalPath.h"
#include "platform/text/CodePage.h"
#include "platform/ui/Actions.h"
#include "platform/ui/ScriptedBackend.h"
#include "suite/Ov2002GetInstallPath/Ov2002GetInstallPath.h"
#include "suite/OvXmInfo/FileStyleNodeInfo.h"
#include "suite/OvXmInfo/ManageFileInfo.h"
#include "suite/OvXmInfo/ManageFileText.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

using ovbench::Command;
using ovbench::Do;
using ovbench::Window;

namespace stdfs = std::filesystem;

constexpr int kDrawings = 200;
constexpr size_t kDrawingBytes = 100 * 1024;
constexpr int kEquipments = 200;
constexpr int kEquipmentDrawings = 50;

stdfs::path g_home;
ui::ScriptedBackend* g_pBackend = nullptr;

void WriteLines(const stdfs::path& path, const std::vector<std::wstring>& lines) {
    static const text::CodePage cp936("CP936");
    std::ofstream out(path, std::ios::binary);
    for (const std::wstring& line : lines)
        out << cp936.Encode(line) << "\r\n";
}

void WriteManageFile(const stdfs::path& path, const std::vector<std::wstring>& content) {
    std::vector<std::wstring> lines;
    xmfile::AppendExplainBlock({{L"工程名称", L"甲站"}, {L"设备图册号", L"B1"}}, lines);
    lines.emplace_back(xmfile::kBeginContent);
    lines.insert(lines.end(), content.begin(), content.end());
    lines.emplace_back(xmfile::kEndContent);
    lines.emplace_back(xmfile::kEof);
    WriteLines(path, lines);
}

std::wstring Numbered(int number) {
    std::wstring digits = std::to_wstring(number);
    return L"A-" + std::wstring(3 - digits.size(), L'0') + digits + L".dwg";
}

std::wstring Logical(const stdfs::path& path) {
    return fs::ToLogical(path);
}

// P with the Equipment E of 200 large drawings and the Equipment N (made per run); the Project
// L of 200 Equipments of 50 drawings; the plain frame as drawing template.
void MakeInstallation() {
    g_home = stdfs::temp_directory_path() / ("ov-templates-bench-" + std::to_string(::getpid()));
    for (const char* folder : {"Data", "LocalData", "P/E", "P/N", "L", "Trash", "Template/prjs",
                               "Template/itms", "Support/TEMPLATE"})
        stdfs::create_directories(g_home / folder);
    std::ofstream(g_home / "Installation.ini") << "CodePage=CP936\n";
    WriteLines(g_home / "LocalData" / "awork.sys", {L"软件当前版本: 2"});
    WriteManageFile(g_home / "P" / "P.itm", {});
    std::string bytes(kDrawingBytes, 'd');
    std::vector<std::wstring> content = {xmfile::StyleHeaderLine(L"YL")};
    for (int i = 1; i <= kDrawings; ++i) {
        std::wstring name = L"B1-" + std::to_wstring(1000 + i) + L".dwg";
        std::ofstream(g_home / "P" / "E" / fs::ToNative(name), std::ios::binary) << bytes;
        content.push_back(xmfile::FileLine(name, L""));
    }
    WriteManageFile(g_home / "P" / "E" / "E.prj", content);
    WriteLines(g_home / "Data" / "recent.dat", {Logical(g_home / "P" / "P.itm")});
    AcDbDatabase frame;
    frame.saveAs(
        Logical(g_home / "Support" / "TEMPLATE" / fs::ToNative(L"MB-1标准图框.dwt")).c_str(),
        false);

    WriteManageFile(g_home / "L" / "L.itm", {});
    for (int e = 0; e < kEquipments; ++e) {
        std::string name = "屏" + std::to_string(1000 + e);
        stdfs::path folder = g_home / "L" / name;
        stdfs::create_directories(folder);
        std::vector<std::wstring> files;
        for (int d = 1; d <= kEquipmentDrawings; ++d) {
            std::wstring file = L"图-" + std::to_wstring(d) + L".dwg";
            std::ofstream(folder / fs::ToNative(file)) << "d";
            files.push_back(xmfile::FileLine(file, L""));
        }
        WriteManageFile(folder / (name + ".prj"), files);
    }
}

void MakeNumberedEquipment() {
    stdfs::path folder = g_home / "P" / "N";
    stdfs::remove_all(folder);
    stdfs::create_directories(folder);
    std::vector<std::wstring> content = {xmfile::StyleHeaderLine(L"YL")};
    for (int i = 1; i <= kDrawings; ++i) {
        std::ofstream(folder / fs::ToNative(Numbered(i))) << "d";
        content.push_back(xmfile::FileLine(Numbered(i), L"备注"));
    }
    WriteManageFile(folder / "N.prj", content);
}

// Closes the drawings the runs made, down to the one the host started with.
void CloseNewDrawings() {
    while (acDocManager->documentCount() > 1)
        acDocManager->closeDocument(acDocManager->curDocument());
}

void NewDrawingWithShift(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        MakeNumberedEquipment();
        XmManageCommand();
        Do(ui::act::RightClick(125, L"N|YL"));
        g_pBackend->Script(CNewFileDlg::IDD,
                           {ui::act::Type(CNewFileDlg::IDC_FILE_NAME, L"A-001"), ui::act::Ok()});
        g_pBackend->QueueAnswer(ui::IDOK);
        state.ResumeTiming();
        Command(213);
        state.PauseTiming();
        if (!stdfs::exists(g_home / "P" / "N" / fs::ToNative(Numbered(201))) ||
            !stdfs::exists(g_home / "P" / "N" / fs::ToNative(Numbered(1)))) {
            state.SkipWithError("the drawings were not shifted");
            break;
        }
        CloseManageDlg();
        CloseNewDrawings();
        state.ResumeTiming();
    }
}

void RenameWriteAndSave(benchmark::State& state) {
    std::wstring strTemplate =
        Logical(g_home / "Support" / "TEMPLATE" / fs::ToNative(L"MB-1标准图框.dwt"));
    for (auto _ : state) {
        state.PauseTiming();
        MakeNumberedEquipment();
        std::wstring folder = Logical(g_home / "P" / "N");
        CManageFileInfo file;
        file.ReadManageFile(folder + L"\\N.prj");
        state.ResumeTiming();
        CFileStyleNodeInfo* pStyle = file.Getm_FileStyleNodeArray().back().get();
        for (int i = kDrawings; i >= 1; --i) {
            fs::Rename(folder + L"\\" + Numbered(i), folder + L"\\" + Numbered(i + 1));
            pStyle->Getm_FileInfoArray()[static_cast<size_t>(i - 1)]->Setm_strFileName(
                Numbered(i + 1));
        }
        file.WriteManageFile();
        AcDbDatabase db(false, true);
        if (db.readDwgFile(strTemplate.c_str()) != Acad::eOk ||
            db.saveAs((folder + L"\\" + Numbered(1)).c_str(), false) != Acad::eOk) {
            state.SkipWithError("the template could not be saved");
            break;
        }
    }
}

void SaveEquipmentAsTemplate(benchmark::State& state) {
    XmManageCommand();
    for (auto _ : state) {
        state.PauseTiming();
        stdfs::remove_all(g_home / "Template" / "prjs" / "E");
        // A right click tells the window which tree the command is for.
        Do(ui::act::RightClick(125, L"E"));
        g_pBackend->Script(CInputNameDlg::IDD, {ui::act::Ok()});
        state.ResumeTiming();
        Command(206);
        if (!stdfs::exists(g_home / "Template" / "prjs" / "E" / "E.prj")) {
            state.SkipWithError("the template was not saved");
            break;
        }
    }
    CloseManageDlg();
}

void CopyFolder(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        stdfs::remove_all(g_home / "Template" / "prjs" / "E");
        state.ResumeTiming();
        stdfs::copy(g_home / "P" / "E", g_home / "Template" / "prjs" / "E",
                    stdfs::copy_options::recursive);
    }
}

void NewFileDialogStart(benchmark::State& state) {
    CManageFileInfo project;
    project.ReadManageFile(Logical(g_home / "L" / "L.itm"));
    for (auto _ : state) {
        CNewFileDlg dialog;
        dialog.PrepareFor(project);
        g_pBackend->Script(CNewFileDlg::IDD, {ui::act::Cancel()});
        dialog.DoModal();
        if (dialog.m_nHighestNumber != kEquipmentDrawings) {
            state.SkipWithError("the highest number was not found");
            break;
        }
    }
}

void ListFolders(benchmark::State& state) {
    for (auto _ : state) {
        size_t count = 0;
        for (const auto& entry : stdfs::directory_iterator(g_home / "L")) {
            ++count;
            if (entry.is_directory())
                for (const auto& inner : stdfs::directory_iterator(entry.path()))
                    count += inner.path().filename().native().size() > 0 ? 1 : 0;
        }
        benchmark::DoNotOptimize(count);
    }
}

} // namespace

int main(int argc, char** argv) {
    MakeInstallation();
    ovbench::UseInstallation(g_home);
    ui::ScriptedBackend backend;
    g_pBackend = &backend;
    cad::StartHost({});

    benchmark::RegisterBenchmark("NewFile/A001Before200Shifted", NewDrawingWithShift)
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(5);
    benchmark::RegisterBenchmark("NewFile/200RenamesAWriteAndASave", RenameWriteAndSave)
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(5);
    benchmark::RegisterBenchmark("Template/EquipmentOf200Drawings", SaveEquipmentAsTemplate)
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(5);
    benchmark::RegisterBenchmark("Template/PlainCopyOfTheFolder", CopyFolder)
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(5);
    benchmark::RegisterBenchmark("Dialog/StartOn200Equipments", NewFileDialogStart)
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(5);
    benchmark::RegisterBenchmark("Dialog/ListingTheFolders", ListFolders)
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(5);
    benchmark::Initialize(&argc, argv);
    ovbench::RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    double created = reporter.Seconds("NewFile/A001Before200Shifted");
    double renamed = reporter.Seconds("NewFile/200RenamesAWriteAndASave");
    double saved = reporter.Seconds("Template/EquipmentOf200Drawings");
    double copied = reporter.Seconds("Template/PlainCopyOfTheFolder");
    double started = reporter.Seconds("Dialog/StartOn200Equipments");
    double listed = reporter.Seconds("Dialog/ListingTheFolders");
    std::printf("Creating A-001 where A-001...A-%d exist: %.1f ms, %d renames, a record write and "
                "a template save: %.1f ms, ratio %.2fx (target: at most 2x)\n",
                kDrawings, created * 1e3, kDrawings, renamed * 1e3,
                renamed > 0 ? created / renamed : 0.0);
    std::printf("Saving an Equipment of %d drawings of %zu KB as a local template: %.1f ms, a "
                "plain recursive copy: %.1f ms, ratio %.2fx (target: at most 1.5x)\n",
                kDrawings, kDrawingBytes / 1024, saved * 1e3, copied * 1e3,
                copied > 0 ? saved / copied : 0.0);
    std::printf(
        "The new-file dialog's start on a Project of %d Equipments of %d drawings: %.2f ms, "
        "listing the same folders: %.2f ms, ratio %.2fx (target: at most 2x)\n",
        kEquipments, kEquipmentDrawings, started * 1e3, listed * 1e3,
        listed > 0 ? started / listed : 0.0);
    cad::StopHost();
    std::error_code ignored;
    stdfs::remove_all(g_home, ignored);
    benchmark::Shutdown();
    return 0;
}
