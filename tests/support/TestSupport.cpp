#include "support/TestSupport.h"

#include "platform/fs/LogicalPath.h"
#include "platform/text/CodePage.h"
#include "platform/text/Utf8.h"
#include "store/WorkingMode.h"
#include "suite/Ov2002GetInstallPath/Ov2002GetInstallPath.h"

#include <sys/resource.h>

#include <atomic>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>
#include <unistd.h>

namespace ovtest {

namespace stdfs = std::filesystem;

TempFolder::TempFolder() {
    static std::atomic<int> counter{0};
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::ostringstream name;
        name << "ov-" << ::getpid() << "-" << counter++ << "-" << random() % 100000;
        stdfs::path candidate = stdfs::temp_directory_path() / name.str();
        if (stdfs::create_directory(candidate)) {
            m_native = candidate;
            return;
        }
    }
    throw std::runtime_error("cannot make a temporary folder");
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    stdfs::remove_all(m_native, ignored);
}

std::wstring TempFolder::Logical() const {
    return fs::ToLogical(m_native);
}

std::wstring TempFolder::Path(const std::wstring& relative) const {
    return relative.empty() ? Logical() : Logical() + L"\\" + relative;
}

stdfs::path TempFolder::NativePath(const std::wstring& relative) const {
    return fs::ToNative(Path(relative));
}

void TempFolder::WriteBytes(const std::wstring& relative, const std::string& bytes) const {
    stdfs::path path = NativePath(relative);
    stdfs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    KeepForFuzzing(path, bytes);
}

void KeepForFuzzing(const std::filesystem::path& path, const std::string& bytes) {
    const char* folder = std::getenv("OV_KEEP_TEST_FILES");
    if (!folder || !*folder)
        return;
    static std::atomic<int> counter{0};
    stdfs::path kept =
        stdfs::path(folder) / (std::to_string(::getpid()) + "-" + std::to_string(counter++) + "-" +
                               path.filename().string());
    std::ofstream(kept, std::ios::binary) << bytes;
}

std::string TempFolder::ReadBytes(const std::wstring& relative) const {
    std::ifstream in(NativePath(relative), std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

bool TempFolder::Exists(const std::wstring& relative) const {
    std::error_code ignored;
    return stdfs::exists(NativePath(relative), ignored);
}

void TempFolder::MakeFolder(const std::wstring& relative) const {
    stdfs::create_directories(NativePath(relative));
}

TempInstallation::TempInstallation() : TempInstallation(Options{}) {}

TempInstallation::TempInstallation(const Options& options) {
    for (const wchar_t* folder : {L"Data", L"LocalData", L"Template\\itms", L"Template\\prjs",
                                  L"Support\\TEMPLATE", L"TempFTP"})
        MakeFolder(folder);
    std::ostringstream description;
    description << "MainFolder=.\nLocalFolder=.\nCommonResourceFolder=.\n"
                << "Kind=" << options.kind << "\nServer=" << options.server
                << "\nVersion=" << options.version << "\nCodePage=" << options.codePage << "\n";
    WriteBytes(L"Installation.ini", description.str());
    ::setenv("OVMANAGE_HOME", Native().c_str(), 1);
    Ov2002ReloadInstallation();
    ResetErpOrCadMode();
}

TempInstallation::~TempInstallation() {
    ::unsetenv("OVMANAGE_HOME");
    Ov2002ReloadInstallation();
    ResetErpOrCadMode();
}

std::string Cp936(const std::wstring& text) {
    static const text::CodePage cp936("CP936");
    return cp936.Encode(text);
}

std::string Cp936Lines(const std::vector<std::wstring>& lines, const std::string& lineEnd) {
    std::string bytes;
    for (const std::wstring& line : lines)
        bytes += Cp936(line) + lineEnd;
    return bytes;
}

FileSizeLimit::FileSizeLimit(unsigned long bytes) {
    m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    m_previous = limit.rlim_cur;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit() {
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = m_previous;
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, m_previousHandler);
}

} // namespace ovtest
