// Reading a 648 x 512, 32-bit preview out of a 1.4 MB drawing file and painting it into a
// frame of its size, against a plain read of the same file's bytes. Target: at most 3 times as
// long.

#include "BenchSupport.h"

#include "controls/DrawDwgPreview.h"
#include "platform/cad/DwgFiler.h"
#include "platform/cad/PreviewImage.h"
#include "platform/fs/FileIo.h"
#include "platform/fs/LogicalPath.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

constexpr int kWidth = 648, kHeight = 512;
constexpr uint32_t kFileSize = 1400000;
std::filesystem::path g_file;

// A file shaped like a DWG file of 2010: its content, then the image section with a header
// entry and the bitmap entry at the end.
void MakeFile() {
    std::string dib(40, '\0');
    cad::WriteU32At(dib, 0, 40);
    cad::WriteU32At(dib, 4, kWidth);
    cad::WriteU32At(dib, 8, kHeight);
    cad::WriteU32At(dib, 12, 1 | 32 << 16);
    for (int i = 0; i < kWidth * kHeight; ++i)
        for (char byte : {char(i % 251), char(i % 241), char(i % 239), char(0)})
            dib += byte;
    const std::string header = "header data";
    uint32_t section = kFileSize - static_cast<uint32_t>(21 + 18 + header.size() + dib.size());
    std::string file = "AC1024";
    file.resize(section, 'c');
    cad::WriteU32At(file, 13, section);
    file.append(reinterpret_cast<const char*>(cad::kImageSectionSentinel), 16);
    std::string counts(4 + 1 + 18, '\0');
    cad::WriteU32At(counts, 0, static_cast<uint32_t>(header.size() + dib.size()));
    counts[4] = 2;
    counts[5] = 1;
    cad::WriteU32At(counts, 6, section + 39);
    cad::WriteU32At(counts, 10, static_cast<uint32_t>(header.size()));
    counts[14] = 2;
    cad::WriteU32At(counts, 15, section + 39 + static_cast<uint32_t>(header.size()));
    cad::WriteU32At(counts, 19, static_cast<uint32_t>(dib.size()));
    file += counts + header + dib;
    g_file = std::filesystem::temp_directory_path() /
             ("ov-preview-bench-" + std::to_string(::getpid()) + ".dwg");
    std::ofstream(g_file, std::ios::binary) << file;
}

void ReadAndPaint(benchmark::State& state) {
    std::wstring path = fs::ToLogical(g_file);
    ui::Canvas frame(kWidth, kHeight);
    for (auto _ : state)
        if (CDrawDwgPreview::DrawDwgPreview(path, frame) != 1)
            state.SkipWithError("no picture");
}

void PlainRead(benchmark::State& state) {
    std::wstring path = fs::ToLogical(g_file);
    std::string bytes;
    for (auto _ : state)
        if (!fs::ReadBytes(path, bytes) || bytes.size() != kFileSize)
            state.SkipWithError("read failed");
}

} // namespace

int main(int argc, char** argv) {
    MakeFile();
    benchmark::RegisterBenchmark("Preview/ReadAndPaint_648x512x32", ReadAndPaint)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Plain/ReadBytes_1400000", PlainRead)
        ->Unit(benchmark::kMicrosecond);
    benchmark::Initialize(&argc, argv);
    ovbench::RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    double preview = reporter.Seconds("Preview/ReadAndPaint_648x512x32");
    double plain = reporter.Seconds("Plain/ReadBytes_1400000");
    std::printf("preview %d x %d, 32 bits, of a %.2f MB file: read and paint %.3f ms, plain read "
                "%.3f ms, ratio %.2fx (target: at most 3x)\n",
                kWidth, kHeight, kFileSize / 1e6, preview * 1e3, plain * 1e3,
                plain > 0 ? preview / plain : 0.0);
    std::error_code ignored;
    std::filesystem::remove(g_file, ignored);
    benchmark::Shutdown();
    return 0;
}
