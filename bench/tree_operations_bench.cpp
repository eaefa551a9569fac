// The window's tree operations at scale, each in the same run as its baseline:
// - pasting a copied Equipment of 200 drawings of about 100 KB into another Project, end to end
//   (the copy, the Project's children searched again, the refresh in place), against a plain
//   recursive copy of its folder (target: at most 1.5 times as long);
// - deleting the first of 200 numbered drawings, with the 199 after it renumbered (the
//   deletion, the renames, the record writes and the refresh), against deleting the file and
//   making the same renames and one record write directly (target: at most 1.5 times as long).

#include "BenchSupport.h"
#include "ManageWindowDriver.h"

#include "frame/ManageCommands.h"
#include "frame/ManageGlobals.h"
#include "manager/ManageDlg.h"
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
    xmfile::AppendExplainBlock({{L"工程名称", L"甲站"}}, lines);
    lines.emplace_back(xmfile::kBeginContent);
    lines.insert(lines.end(), content.begin(), content.end());
    lines.emplace_back(xmfile::kEndContent);
    lines.emplace_back(xmfile::kEof);
    WriteLines(path, lines);
}

std::wstring Numbered(int number) {
    std::wstring digits = std::to_wstring(number);
    return std::wstring(3 - digits.size(), L'0') + digits + L"-图.dwg";
}

// P with the Equipment E of 200 large drawings, the Equipment N of 200 numbered small ones,
// and the empty sub-Project P2.
void MakeInstallation() {
    g_home = stdfs::temp_directory_path() / ("ov-tree-bench-" + std::to_string(::getpid()));
    for (const char* folder : {"Data", "LocalData", "P/E", "P/N", "P/P2", "Trash"})
        stdfs::create_directories(g_home / folder);
    std::ofstream(g_home / "Installation.ini") << "CodePage=CP936\n";
    WriteLines(g_home / "LocalData" / "awork.sys", {L"软件当前版本: 2"});
    WriteManageFile(g_home / "P" / "P.itm", {});
    WriteManageFile(g_home / "P" / "P2" / "P2.itm", {});
    std::string bytes(kDrawingBytes, 'd');
    std::vector<std::wstring> content = {xmfile::StyleHeaderLine(L"YL")};
    for (int i = 1; i <= kDrawings; ++i) {
        std::wstring name = L"B1-" + std::to_wstring(1000 + i) + L".dwg";
        std::ofstream(g_home / "P" / "E" / fs::ToNative(name), std::ios::binary) << bytes;
        content.push_back(xmfile::FileLine(name, L""));
    }
    WriteManageFile(g_home / "P" / "E" / "E.prj", content);
    WriteLines(g_home / "Data" / "recent.dat", {fs::ToLogical(g_home / "P" / "P.itm")});
}

void MakeNumberedEquipment() {
    stdfs::path folder = g_home / "P" / "N";
    stdfs::remove_all(folder);
    stdfs::create_directories(folder);
    std::vector<std::wstring> content = {xmfile::StyleHeaderLine(L"YL")};
    for (int i = 1; i <= kDrawings; ++i) {
        std::ofstream(folder / fs::ToNative(Numbered(i))) << "d";
        content.push_back(xmfile::FileLine(Numbered(i), L""));
    }
    WriteManageFile(folder / "N.prj", content);
}

void PasteCopiedEquipment(benchmark::State& state) {
    XmManageCommand();
    for (auto _ : state) {
        state.PauseTiming();
        stdfs::remove_all(g_home / "P" / "P2" / "E");
        Do(ui::act::Select(124, L"P"));
        Do(ui::act::Select(125, L"E"));
        Command(195);
        Do(ui::act::Select(124, L"P|P2"));
        state.ResumeTiming();
        Command(196);
        if (!stdfs::exists(g_home / "P" / "P2" / "E" / "E.prj"))
            state.SkipWithError("the Equipment was not pasted");
    }
    CloseManageDlg();
}

void CopyFolder(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        stdfs::remove_all(g_home / "P" / "P2" / "E");
        state.ResumeTiming();
        stdfs::copy(g_home / "P" / "E", g_home / "P" / "P2" / "E", stdfs::copy_options::recursive);
    }
}

void DeleteAndRenumber(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        MakeNumberedEquipment();
        XmManageCommand();
        Do(ui::act::Select(125, L"N|YL|" + Numbered(1)));
        g_pBackend->QueueAnswer(ui::IDYES);
        state.ResumeTiming();
        Command(201);
        state.PauseTiming();
        if (!stdfs::exists(g_home / "P" / "N" / fs::ToNative(Numbered(199))) ||
            stdfs::exists(g_home / "P" / "N" / fs::ToNative(Numbered(200))))
            state.SkipWithError("the drawings were not renumbered");
        CloseManageDlg();
        state.ResumeTiming();
    }
}

void RenameDirectly(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        MakeNumberedEquipment();
        std::wstring folder = fs::ToLogical(g_home / "P" / "N");
        CManageFileInfo file;
        file.ReadManageFile(folder + L"\\N.prj");
        state.ResumeTiming();
        CFileStyleNodeInfo* pStyle = file.Getm_FileStyleNodeArray().back().get();
        fs::DeleteFile(folder + L"\\" + Numbered(1));
        pStyle->DeleteFileNode(pStyle->Getm_FileInfoArray().front().get());
        for (int i = 2; i <= kDrawings; ++i) {
            fs::Rename(folder + L"\\" + Numbered(i), folder + L"\\" + Numbered(i - 1));
            pStyle->Getm_FileInfoArray()[static_cast<size_t>(i - 2)]->Setm_strFileName(
                Numbered(i - 1));
        }
        file.WriteManageFile();
    }
}

} // namespace

int main(int argc, char** argv) {
    MakeInstallation();
    ovbench::UseInstallation(g_home);
    ui::ScriptedBackend backend;
    g_pBackend = &backend;
    cad::StartHost({});

    benchmark::RegisterBenchmark("Paste/CopiedEquipmentOf200Drawings", PasteCopiedEquipment)
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(5);
    benchmark::RegisterBenchmark("Paste/PlainCopyOfTheFolder", CopyFolder)
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(5);
    benchmark::RegisterBenchmark("Delete/FirstOf200Renumbered", DeleteAndRenumber)
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(5);
    benchmark::RegisterBenchmark("Delete/SameRenamesDirectly", RenameDirectly)
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(5);
    benchmark::Initialize(&argc, argv);
    ovbench::RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    double paste = reporter.Seconds("Paste/CopiedEquipmentOf200Drawings");
    double copy = reporter.Seconds("Paste/PlainCopyOfTheFolder");
    double renumber = reporter.Seconds("Delete/FirstOf200Renumbered");
    double direct = reporter.Seconds("Delete/SameRenamesDirectly");
    std::printf("Pasting a copied Equipment of %d drawings of %zu KB: %.1f ms, a plain copy of "
                "its folder: %.1f ms, ratio %.2fx (target: at most 1.5x)\n",
                kDrawings, kDrawingBytes / 1024, paste * 1e3, copy * 1e3,
                copy > 0 ? paste / copy : 0.0);
    std::printf("Deleting the first of %d numbered drawings with renumbering: %.1f ms, the same "
                "renames and record write directly: %.1f ms, ratio %.2fx (target: at most 1.5x)\n",
                kDrawings, renumber * 1e3, direct * 1e3, direct > 0 ? renumber / direct : 0.0);
    cad::StopHost();
    std::error_code ignored;
    stdfs::remove_all(g_home, ignored);
    benchmark::Shutdown();
    return 0;
}
