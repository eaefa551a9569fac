#pragma once
// Fixtures shared by the test suites: temporary folders and installations with files written
// the way Windows installations write them.

#include <filesystem>
#include <string>
#include <vector>

namespace ovtest {

// A fresh folder below the system's temporary folder, removed with everything in it.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Native() const { return m_native; }
    // The folder as a logical path ("\tmp\ov-...").
    std::wstring Logical() const;
    // A logical path below the folder; `relative` uses backslashes.
    std::wstring Path(const std::wstring& relative) const;
    std::filesystem::path NativePath(const std::wstring& relative) const;

    void WriteBytes(const std::wstring& relative, const std::string& bytes) const;
    std::string ReadBytes(const std::wstring& relative) const;
    bool Exists(const std::wstring& relative) const;
    void MakeFolder(const std::wstring& relative) const;

private:
    std::filesystem::path m_native;
};

// A demo-like installation in a temporary folder: the folders the module reads, an
// "Installation.ini", and OVMANAGE_HOME pointing at it for the object's lifetime. Caches that
// depend on the installation are reset on creation and destruction.
class TempInstallation : public TempFolder {
public:
    struct Options {
        int kind = 0;
        int server = 0;
        std::string version = "1";
        std::string codePage = "CP936";
    };
    TempInstallation();
    explicit TempInstallation(const Options& options);
    ~TempInstallation();
};

// With OV_KEEP_TEST_FILES naming a folder, a copy of every file a test writes goes there, named
// after the file: scripts/make-fuzz-corpus makes the fuzzers' seed corpus from them.
void KeepForFuzzing(const std::filesystem::path& path, const std::string& bytes);

// Text as CP936 bytes (through the code-page layer's encoder).
std::string Cp936(const std::wstring& text);
// Lines as CP936 bytes, each followed by `lineEnd`.
std::string Cp936Lines(const std::vector<std::wstring>& lines, const std::string& lineEnd = "\r\n");

// Lowers the file-size limit for its lifetime, with the signal that would end the process
// ignored, so that a write beyond it fails with EFBIG as a full disk fails with ENOSPC.
class FileSizeLimit {
public:
    explicit FileSizeLimit(unsigned long bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    unsigned long m_previous;
    void (*m_previousHandler)(int);
};

} // namespace ovtest
