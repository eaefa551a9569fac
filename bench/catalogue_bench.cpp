// The server catalogue: one update (UpdateCatalogue) on catalogues of 100, 1,000 and 10,000
// entries, which should grow linearly with the catalogue. The FTP commands of the protocol's
// jobs are counted by ftp_commands_bench.

#include "BenchSupport.h"

#include "platform/fs/LogicalPath.h"
#include "platform/text/CodePage.h"
#include "platform/text/Format.h"
#include "platform/text/WideString.h"
#include "server/OperateVersionFile.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

namespace stdfs = std::filesystem;

stdfs::path g_folder;

void WriteFile(const stdfs::path& path, const std::string& bytes) {
    stdfs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

// A catalogue of `entries` drawings under one version line, as clients write it.
std::string Catalogue(int entries) {
    std::wstring content = L"版本日期：2024,01,01,00,00,00\n";
    for (int i = 0; i < entries; ++i)
        content +=
            text::Format(L"Template\\prjs\\柜%d\\图纸%d.dwg|2024,01,01,00,00,00|MOD\n", i % 50, i);
    return text::AnsiCodePage().Encode(text::ReplaceAll(content, L"\n", L"\r\n"));
}

void UpdateCatalogue(benchmark::State& state) {
    int entries = static_cast<int>(state.range(0));
    stdfs::path file = g_folder / ("Server" + std::to_string(entries) + ".xml");
    WriteFile(file, Catalogue(entries));
    COperateVersionFile catalogue(fs::ToLogical(file));
    // An entry from the middle moves to the top: the catalogue keeps its size.
    std::wstring sent =
        text::Format(L"Template\\prjs\\柜%d\\图纸%d.dwg", (entries / 2) % 50, entries / 2);
    for (auto _ : state)
        if (!catalogue.UpdateCatalogue(sent, L"MOD"))
            state.SkipWithError("the catalogue could not be written");
    state.SetLabel(std::to_string(catalogue.Getm_arrEntries().size()) + " entries");
}

void PrintSteps(const char* what, double t100, double t1000, double t10000) {
    std::printf("UpdateCatalogue %s per update: 100 entries %.3f ms, 1000 entries %.3f ms (x%.1f), "
                "10000 entries %.3f ms (x%.1f)\n",
                what, t100 * 1e3, t1000 * 1e3, t100 > 0 ? t1000 / t100 : 0.0, t10000 * 1e3,
                t1000 > 0 ? t10000 / t1000 : 0.0);
}

} // namespace

int main(int argc, char** argv) {
    g_folder = stdfs::temp_directory_path() / ("ov-catalogue-bench-" + std::to_string(::getpid()));
    stdfs::create_directories(g_folder);
    text::SetAnsiCodePage("CP936");
    benchmark::RegisterBenchmark("UpdateCatalogue", UpdateCatalogue)
        ->Arg(100)
        ->Arg(1000)
        ->Arg(10000)
        ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    // The wall time of an update is mostly the flush to disk that every safe write ends with,
    // which does not depend on the catalogue's size: the CPU time shows the growth.
    ovbench::RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const char* names[] = {"UpdateCatalogue/100", "UpdateCatalogue/1000", "UpdateCatalogue/10000"};
    PrintSteps("CPU time", reporter.CpuSeconds(names[0]), reporter.CpuSeconds(names[1]),
               reporter.CpuSeconds(names[2]));
    PrintSteps("wall time", reporter.Seconds(names[0]), reporter.Seconds(names[1]),
               reporter.Seconds(names[2]));
    std::error_code ignored;
    stdfs::remove_all(g_folder, ignored);
    return 0;
}
