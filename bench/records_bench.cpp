// Loading the records of a whole Project: the Project's management file, its 200 Equipments
// found one folder down, and each Equipment's management file with 50 drawings in 10 types,
// the drawing list of one Equipment made (the window shows one at a time; the others are made
// when first asked for). Against it, reading the same management files' bytes alone. Target:
// the library takes at most twice as long as the plain byte reads. The load with every drawing
// list made is printed beside it. Both run several times and the best time of each
// counts. The ratio is taken from the CPU time (the kernel's share included): on a machine
// shared with other work the wall time mostly tells how busy the machine was.

#include "BenchSupport.h"

#include "platform/fs/FileIo.h"
#include "platform/fs/LogicalPath.h"
#include "platform/text/CodePage.h"
#include "suite/OvXmInfo/AllStyNameInfo.h"
#include "suite/OvXmInfo/ManageFileInfo.h"
#include "suite/OvXmInfo/ManageFileText.h"
#include "suite/OvXmInfo/XmSbInfo.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <unistd.h>

namespace {

constexpr int kEquipments = 200;
constexpr int kTypes = 10;
constexpr int kDrawingsPerType = 5;

const wchar_t* const kTypeNames[kTypes] = {
    L"图纸目录",         L"封面",   L"原理图",     L"屏面布置图", L"屏端子图",
    L"压板定义及排列图", L"接线图", L"背面接线图", L"材料表",     L"说明书"};

std::filesystem::path g_root;
std::wstring g_projectFile;
std::vector<std::wstring> g_manageFiles;
CAllStyNameInfo g_catalogue;

void WriteLines(const std::filesystem::path& path, const std::vector<std::wstring>& lines) {
    static const text::CodePage cp936("CP936");
    std::ofstream out(path, std::ios::binary);
    for (const std::wstring& line : lines)
        out << cp936.Encode(line) << "\r\n";
}

std::vector<std::wstring>
ManageFileLines(const std::vector<CExplainInfoNode>& entries,
                const std::vector<std::pair<std::wstring, std::vector<std::wstring>>>& types) {
    std::vector<std::wstring> lines;
    xmfile::AppendExplainBlock(entries, lines);
    lines.emplace_back(xmfile::kBeginContent);
    for (const auto& [type, files] : types) {
        lines.push_back(xmfile::StyleHeaderLine(type));
        for (const std::wstring& file : files)
            lines.push_back(xmfile::FileLine(file, L"第" + file + L"号图纸，屏柜端子排接线"));
    }
    lines.emplace_back(xmfile::kEndContent);
    lines.emplace_back(xmfile::kEof);
    return lines;
}

void MakeProject() {
    g_root =
        std::filesystem::temp_directory_path() / ("ov-records-bench-" + std::to_string(::getpid()));
    std::filesystem::path project = g_root / "某变电站扩建工程";
    std::filesystem::create_directories(project);
    std::vector<CExplainInfoNode> projectEntries = {{L"工程名称", L"某220kV变电站扩建工程"},
                                                    {L"工程合同号", L"HT-2026-0815"},
                                                    {L"工程电气设计负责人", L"设计甲"}};
    WriteLines(project / "某变电站扩建工程.itm", ManageFileLines(projectEntries, {}));
    g_projectFile = fs::ToLogical(project / "某变电站扩建工程.itm");
    g_manageFiles.push_back(g_projectFile);
    for (int e = 1; e <= kEquipments; ++e) {
        std::wstring name = L"设备" + std::to_wstring(1000 + e) + L"-保护柜";
        std::filesystem::path folder = project / fs::ToNative(name);
        std::filesystem::create_directories(folder);
        std::vector<CExplainInfoNode> entries = projectEntries;
        entries.insert(entries.end(), {{L"设备名称", name},
                                       {L"设备型号", L"PRC-31A"},
                                       {L"设备图册号", L"B" + std::to_wstring(e)},
                                       {L"设备数量", L"1"}});
        std::vector<std::pair<std::wstring, std::vector<std::wstring>>> types;
        int number = 1;
        for (const wchar_t* type : kTypeNames) {
            std::vector<std::wstring> files;
            for (int d = 0; d < kDrawingsPerType; ++d, ++number) {
                std::wstring file = L"B" + std::to_wstring(e) + L"-" + (number < 10 ? L"0" : L"") +
                                    std::to_wstring(number) + L".dwg";
                files.push_back(file);
                std::ofstream(folder /
                              fs::ToNative(file)); // the drawings lie beside their management file
            }
            types.emplace_back(type, files);
        }
        WriteLines(folder / fs::ToNative(name + L".prj"), ManageFileLines(entries, types));
        g_manageFiles.push_back(fs::ToLogical(folder / fs::ToNative(name + L".prj")));
    }
}

void LoadRecordsTree(benchmark::State& state, bool bEveryDrawingList) {
    for (auto _ : state) {
        auto project = std::make_unique<CXmSbInfo>();
        if (!project->SetPrimerInfoByInputManageFilePathName(g_projectFile) ||
            project->SearchVaildChildXmSbOneLevel(1) != kEquipments ||
            project->Getm_ChildXmSbArray()
                    .back()
                    ->Getm_pManageFileInfo()
                    ->Getm_FileStyleNodeArray()
                    .size() != kTypes)
            state.SkipWithError("the records did not load");
        if (bEveryDrawingList)
            for (const auto& pChild : project->Getm_ChildXmSbArray())
                benchmark::DoNotOptimize(
                    pChild->Getm_pManageFileInfo()->Getm_FileStyleNodeArray().data());
        benchmark::DoNotOptimize(project->Getm_ChildXmSbArray().data());
        // Loading is measured, not freeing the records again.
        state.PauseTiming();
        project.reset();
        state.ResumeTiming();
    }
}

void BytesOnly(benchmark::State& state) {
    for (auto _ : state) {
        size_t total = 0;
        for (const std::wstring& file : g_manageFiles) {
            std::string bytes;
            if (!fs::ReadBytes(file, bytes))
                state.SkipWithError("a file could not be read");
            total += bytes.size();
        }
        benchmark::DoNotOptimize(total);
    }
}

} // namespace

int main(int argc, char** argv) {
    MakeProject();
    text::SetAnsiCodePage("CP936");
    text::AnsiCodePage().Decode("\xB9\xA4"); // build the code page's tables outside the timing
    std::vector<std::wstring> catalogueLines;
    for (const wchar_t* type : kTypeNames)
        catalogueLines.push_back(std::wstring(type) + L"=" + type);
    g_catalogue.SetStyleLines(catalogueLines);
    CManageFileInfo::Setm_AllStyNameInfo(&g_catalogue);

    benchmark::RegisterBenchmark("Records/LoadProjectWith200Equipments", LoadRecordsTree, false)
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(9);
    benchmark::RegisterBenchmark("Records/LoadWithEveryDrawingList", LoadRecordsTree, true)
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(9);
    benchmark::RegisterBenchmark("Records/BytesOnly_201Files", BytesOnly)
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(9);
    benchmark::Initialize(&argc, argv);
    ovbench::RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    double records = reporter.Seconds("Records/LoadProjectWith200Equipments");
    double bytes = reporter.Seconds("Records/BytesOnly_201Files");
    double recordsCpu = reporter.CpuSeconds("Records/LoadProjectWith200Equipments");
    double bytesCpu = reporter.CpuSeconds("Records/BytesOnly_201Files");
    double everyListCpu = reporter.CpuSeconds("Records/LoadWithEveryDrawingList");
    std::printf("records tree (Project, 200 Equipments, 10000 drawings): %.2f ms (CPU %.2f ms), "
                "bytes only: %.2f ms (CPU %.2f ms), peak memory %.1f MiB\n",
                records * 1e3, recordsCpu * 1e3, bytes * 1e3, bytesCpu * 1e3,
                ovbench::PeakMemoryMiB());
    std::printf("with all 10000 drawing records made: CPU %.2f ms (%.2f times the bytes)\n",
                everyListCpu * 1e3, bytesCpu > 0 ? everyListCpu / bytesCpu : 0.0);
    std::printf("records tree against bytes only: ratio %.2fx (target: at most 2x)\n",
                bytesCpu > 0 ? recordsCpu / bytesCpu : 0.0);
    std::filesystem::remove_all(g_root);
    return 0;
}
