#pragma once
// Whole-file reads and safe whole-file writes on logical paths.

#include <string>
#include <string_view>

namespace fs {

// Why a file could not be opened, in the codes the system's messages show (the causes of
// MFC's CFileException, which Windows installations print in the same messages).
enum FileErrorCause {
    kNoError = 0,
    kGenericError = 1,
    kFileNotFound = 2,
    kBadPath = 3,
    kTooManyOpenFiles = 4,
    kAccessDenied = 5,
    kDiskFull = 13,
};

bool ReadBytes(std::wstring_view logical, std::string& bytes, int* cause = nullptr);
// The same for a path taken exactly as written, without the lookup that ignores case: for
// callers that try several names in turn. A name that is not there gives kFileNotFound at once.
bool ReadBytesAsWritten(std::wstring_view logical, std::string& bytes, int* cause = nullptr);
// Whether something is there under the name exactly as written: cheaper than a read that
// fails, for a name that is seldom there.
bool ExistsAsWritten(std::wstring_view logical);

// While it lives, this thread's ReadBytesAsWritten and ExistsAsWritten of files below the
// folder look up only the names below it, from the folder held open: for a caller reading
// hundreds of files of one folder tree. Paths elsewhere are read as usual; so is everything when
// the folder cannot be opened.
class ReadsBelowFolder {
public:
    explicit ReadsBelowFolder(std::wstring_view logicalFolder);
    ~ReadsBelowFolder();
    ReadsBelowFolder(const ReadsBelowFolder&) = delete;
    ReadsBelowFolder& operator=(const ReadsBelowFolder&) = delete;

    const std::wstring& Folder() const { return m_folder; }
    int Descriptor() const { return m_fd; }

private:
    std::wstring m_folder;
    int m_fd = -1;
    const ReadsBelowFolder* m_previous;
};

// Replaces the file's content: the bytes go to a temporary file in the same folder, which is
// flushed to disk and then renamed over the old file. A failure at any step leaves the old
// file as it was and removes the temporary file. With `ownerOnly` the file can be read and
// written by its owner alone (mode 0600) from its first byte on, for files that hold secrets.
bool WriteBytes(std::wstring_view logical, std::string_view bytes, int* cause = nullptr,
                bool ownerOnly = false);

// For tests of the failure path: the next `count` writes stop after the temporary file was
// written, just before the rename, and fail as a crash there would leave things.
void FailWritesBeforeRenameForTesting(int count);
// For tests of a full disk (ENOSPC) and the like: the next `count` writes fail with `error`
// half way through writing the temporary file, as the system call would.
void FailWritesWithErrorForTesting(int error, int count);

} // namespace fs
