#pragma once
// Text files as the Windows installations keep them: characters in the installation's ANSI
// code page, lines ending in CR LF. Reading accepts CR LF and bare LF; writing always uses
// CR LF and replaces the file safely (temporary file, then rename).
//
// Reading: a byte-order mark (UTF-8, UTF-16) decides a file's encoding. Without one, a file
// whose bytes are not valid in the code page but valid UTF-8 (saved as UTF-8 by a text editor)
// is read as UTF-8, with one note; any other file is read in the code page, also when it would
// be valid UTF-8 too. Writing is always in the code page: text the code page cannot hold is
// refused with a note, and the file is left as it was.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace text {

struct TextFileStatus {
    int cause = 0; // why the file could not be opened (fs::FileErrorCause), 0 when it could
    // The text held a character the code page cannot hold; nothing was written.
    bool lossy = false;
};

// The lines without their line ends. A last line without a line end counts; an empty file has
// no lines.
bool ReadTextLines(std::wstring_view path, std::vector<std::wstring>& lines,
                   TextFileStatus* status = nullptr);
// The first line ("" for an empty file).
bool ReadFirstTextLine(std::wstring_view path, std::wstring& line,
                       TextFileStatus* status = nullptr);

// Writes the text with each line feed stored as CR LF; nothing is added at the end.
bool WriteTextFile(std::wstring_view path, std::wstring_view content,
                   TextFileStatus* status = nullptr);
// Writes each line followed by CR LF.
bool WriteTextLines(std::wstring_view path, const std::vector<std::wstring>& lines,
                    TextFileStatus* status = nullptr);

// The text of a file's bytes, decoded as described above into `text` (its storage reused);
// `path` names the file in the note.
void DecodeTextFile(std::string_view bytes, std::wstring_view path, std::wstring& text);

// Whether the first part of a file's bytes, ending in a line feed, alone settles that the
// whole file is read in the code page (no byte-order mark, valid in the code page, not valid
// UTF-8). Each part then decodes in the code page on its own, to the text a decoding of the
// whole would give. False when the whole file must be looked at.
bool HeadSettlesCodePage(std::string_view head);

// Where the notes of this layer go (the host's command line); none: they are dropped.
void SetTextFileNotes(std::function<void(std::wstring_view)> notes);

// The same conversions on bytes in memory, for callers that move text files as bytes.
std::vector<std::wstring> SplitTextLines(std::wstring_view content);
std::string EncodeTextLines(const std::vector<std::wstring>& lines, bool* lossy = nullptr);

} // namespace text
