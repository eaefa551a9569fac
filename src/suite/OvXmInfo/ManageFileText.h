#pragma once
// The text layout of management files, line by line: the description block first, then the
// content section that lists the drawing types and their files, then "$EOF". The library's
// reader and writer and the module's own readers all go through these functions, so that they
// agree on every file.

#include "suite/OvXmInfo/ExplainInfoNode.h"

#include <string>
#include <string_view>
#include <vector>

namespace xmfile {

class PendingManageFile;

inline constexpr std::wstring_view kBeginNote = L"$BEGIN NOTE OF PRJ";
inline constexpr std::wstring_view kEndNote = L"$END NOTE OF PRJ";
inline constexpr std::wstring_view kBeginOneNote = L"$BEGIN_ONE_NOTE";
inline constexpr std::wstring_view kEndOneNote = L"$END_ONE_NOTE";
inline constexpr std::wstring_view kBeginContent = L"$BEGIN CONTENT OF PRJ";
inline constexpr std::wstring_view kEndContent = L"$End CONTENT OF PRJ";
inline constexpr std::wstring_view kEof = L"$EOF";
// The title of untitled lines of a description block, numbered from 1.
inline constexpr std::wstring_view kLooseNoteTitle = L"说明";

// The lines of a management file as views into its text (lines end in CR LF or LF), which is
// kept in `content`. False, with the file error's cause, when it cannot be read.
bool ReadManageFileLines(std::wstring_view path, std::wstring& content,
                         std::vector<std::wstring_view>& lines, int& cause);

// The same for a text already in memory: views into it, one per line (`lines` reused).
void SplitManageFileLines(std::wstring_view content, std::vector<std::wstring_view>& lines);

// The description block read the strict way: the first line must be the start marker exactly,
// lines are taken as they stand, and the block must reach its end marker.
struct ExplainBlock {
    std::vector<CExplainInfoNode> entries; // what was read, also when the block is incomplete
    bool complete = false;
    size_t nextLine = 0; // the first line after the end marker
};
ExplainBlock ReadExplainBlock(const std::vector<std::wstring_view>& lines);

// Reads a management file and its description block the strict way. False after the
// command-line message "%s 文件打不开，错误码为 %d" when the file cannot be opened, or
// "%s 文件格式不对，不能正常读取文件信息。" when its block is incomplete (the entries read
// before the fault are in `block` then). With `rest`, a complete block's entries and the text
// after it go there, to be decoded when first asked for, and `block.entries` stays empty.
// With `missing`, the path is taken exactly as written, and a file that is not there sets it
// instead of the message.
bool ReadManageFileStrictly(std::wstring_view path, ExplainBlock& block,
                            PendingManageFile* rest = nullptr, bool* missing = nullptr);
// The same for a file's bytes read already, which `rest` may take over. `path` names the file
// in messages.
bool ReadManageFileBytes(std::string& bytes, std::wstring_view path, ExplainBlock& block,
                         PendingManageFile* rest = nullptr);
void PrintFormatMessage(std::wstring_view path);

// The title an untitled line gets, given the entries read before it and how many untitled
// lines the read has met so far.
std::wstring LooseLineTitle(const std::vector<CExplainInfoNode>& entries, int looseLinesSoFar);

// Appends the whole block: start marker, four lines per entry, end marker. A title or value
// cannot hold a line break, so any break is written as a blank.
void AppendExplainBlock(const std::vector<CExplainInfoNode>& entries,
                        std::vector<std::wstring>& lines);
// The same as text, each line ended by CR LF.
void AppendExplainBlockText(const std::vector<CExplainInfoNode>& entries, std::wstring& out);

struct ContentFile {
    std::wstring strFileName;
    std::wstring strRemark;
};
struct ContentStyle {
    std::wstring strStyleName; // empty for the files without type
    std::vector<ContentFile> arrFiles;
};

// Everything after the point where a scan starts.
struct ContentScan {
    std::vector<ContentStyle> arrStyles;           // in file order
    std::vector<std::wstring> arrDescriptionLines; // between the note markers, when tracked
    std::vector<std::wstring> arrOtherLines;       // outside every section, before "$EOF"
    std::vector<std::wstring> arrLinesAfterEof;
    bool bHasContent = false;
    bool bHasEof = false;
};
// Scans lines[first..]: marker lines are compared without regard to case and blanks at their
// ends. With bTrackNotes the lines between the note markers are collected as description text;
// otherwise a description block must have been read before `first`.
ContentScan ScanContent(const std::vector<std::wstring_view>& lines, size_t first,
                        bool bTrackNotes);

// The header line of a named type ("name:") and the line of one file ("name<remark>").
std::wstring StyleHeaderLine(std::wstring_view strStyleName);
std::wstring FileLine(std::wstring_view strFileName, std::wstring_view strRemark);
// The same, appended to a text.
void AppendStyleHeaderLine(std::wstring& out, std::wstring_view strStyleName);
void AppendFileLine(std::wstring& out, std::wstring_view strFileName, std::wstring_view strRemark);

// A text as it may stand on one line of the file: line breaks become blanks.
std::wstring SingleLine(std::wstring_view text);
void AppendSingleLine(std::wstring& out, std::wstring_view text);

} // namespace xmfile
