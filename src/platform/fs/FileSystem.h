#pragma once
// File and folder operations on logical paths. Names are matched without regard to case, as on
// the Windows installations that share these folders: a path component that does not exist
// exactly is looked up case-insensitively ("P.ITM" finds "p.itm"), for reading and writing
// alike. Every operation reports success or failure; a failure leaves its errno value in
// LastError() for the error box.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace fs {

int LastError();
void SetLastError(int error);
// The system's text for an error value, as the error box shows it.
std::wstring ErrorText(int error);

// The native path of a logical one, with every existing component matched without regard to
// case; components that do not exist are kept as written.
std::filesystem::path Resolve(std::wstring_view logical);

bool Exists(std::wstring_view logical);
bool IsFolder(std::wstring_view logical);
bool IsFile(std::wstring_view logical);

enum class EntryKind { Any, Files, Folders };

// Wildcard search in one folder ("\P\*.dwg"): the logical paths of the matching entries, by
// name. A last component without wildcards finds that entry alone.
std::vector<std::wstring> FindMatches(std::wstring_view logicalPattern,
                                      EntryKind kind = EntryKind::Any);

// Whether a search for the pattern finds anything, as Windows' FindFirstFile answers it: the
// entries "." and ".." of an existing folder match "*" and "*.*", so "\P\*.*" is true for any
// existing folder P, empty or not. A path ending in a backslash finds nothing.
bool FindAny(std::wstring_view logicalPattern);

// One folder; fails when it exists or its parent does not.
bool CreateFolder(std::wstring_view logical);
// Every missing folder of the path.
bool CreateFolders(std::wstring_view logical);

bool DeleteFile(std::wstring_view logical);
// A file, or a folder with everything in it.
bool DeleteTree(std::wstring_view logical);
// A folder only when it holds nothing (ENOTEMPTY otherwise).
bool DeleteEmptyFolder(std::wstring_view logical);
// Fails when the target exists (unless it is the same entry in another case).
bool Rename(std::wstring_view from, std::wstring_view to);
// With `overwrite`, an existing target is replaced only by a complete copy (made beside it
// and renamed over it), never truncated and rewritten in place.
bool CopyFile(std::wstring_view from, std::wstring_view to, bool overwrite);
// A file to a target name that is free, in few system calls (open both, copy in the kernel,
// close both), for copies of many files into folders the caller knows: EEXIST when the target
// exists after all. A failed copy removes what it wrote, so the target is complete or absent.
bool CopyNewFile(std::wstring_view from, std::wstring_view to);
// A file or a whole folder to a target that does not exist yet. When a copy fails part way,
// what was already copied is removed again, so the target is either complete or absent.
bool CopyTree(std::wstring_view from, std::wstring_view to);
// Whether `inner` is the entry `outer` or lies inside it, on disk ("..", links and other
// spellings of the same place included).
bool IsSameOrInside(std::wstring_view inner, std::wstring_view outer);
// Rename, or copy and delete across file systems.
bool Move(std::wstring_view from, std::wstring_view to);

} // namespace fs
