#pragma once
// The open-save-close routine: a drawing opened (or made current), saved in the DWG format of
// the host's "DefaultFormatForSave" when asked, and closed; with the helpers it is made of.

#include <string>
#include <vector>

namespace ui {
class Window;
}

// The answer "SaveAs" is given for a "DefaultFormatForSave" value: "8" "R14", "12" "2000",
// "24" "2004", "36" "2007", anything else "" (the host's default).
std::wstring SaveFormatAnswer(const std::wstring& strDefaultFormat);

// Removes the drawing's stale lock files (".dwl", then ".dwl2"). A lock file that another
// program holds, or that cannot be deleted, stops it: the user is told (the holder, machine
// and time on the command line) and the result is 0.
int ClearDrawingLockFiles(const std::wstring& strPath);

// Opens the drawing (or makes its document current), saves it over its file with bSave, and
// closes it; when no document remains a new empty drawing is made. 1 when that went through.
// 0 when the drawing cannot be read (skipped silently), its lock files are held, it cannot be
// opened (the user is told), or its save failed: a drawing whose save failed is left open
// and named on the command line, so that no change the user meant to keep is lost.
int OpenSaveCloseDrawing(const std::wstring& strPath, int bSave);

// A new drawing from the template (a path, or a name in the host's template folder) becomes
// the active document and is saved as the target in the "DefaultFormatForSave" format, with no
// ".bak" left behind; it stays open. 1 when the target is a file afterwards.
int NewDrawingFromTemplateAs(const std::wstring& strTemplate, const std::wstring& strTarget);

// The files of the host's open documents that lie in the folder or below it (compared without
// regard to case, whole path items only).
std::vector<std::wstring> OpenDrawingsBelow(const std::wstring& strFolder);

// Offers each drawing of the list that is open in the host for closing, before the caller
// renames its file or folder: the question made from the format with the drawing's path
// (OK/Cancel, exclamation icon, "Tessaline"). OK saves and closes the drawing through the
// routine above; Cancel ends at once. 1 when none of them is open any more; 0 after a Cancel
// or when a drawing stayed open (its save failed).
int AskToCloseOpenDrawings(const std::vector<std::wstring>& arrPaths,
                           const std::wstring& strQuestionFormat, ui::Window* pOwner);
