#pragma once
// Renaming a container's drawing files after its drawing-book number, as the modification
// dialog offers it (combo 238), with the records of the management file following.
//
// A file name splits at its first "-" into prefix and rest (no "-": no prefix, the whole name
// the rest); "-" at either end of the rest goes.
// - "页号*.dwg" (page number): a name with a prefix loses it ("A-3.dwg" becomes "3.dwg").
// - "设备图册号-页号*.dwg": the book number goes in front of the rest, unless the prefix is the
//   book number already (without regard to case): "3.dwg" and "A-3.dwg" become "B-3.dwg".
//
// Nothing is ever renamed over an existing file: when two files would take one name, the
// first in name order takes it and the other keeps its name and is reported. The files are
// renamed first and the management file written once afterwards; when it cannot be written
// every file takes its old name again, so that names and records never disagree.

#include <string>
#include <vector>

class CManageFileInfo;

namespace ui {
class Window;
}

enum DrawingNamePattern {
    kPageNumberPattern = 0,  // "页号*.dwg"
    kBookAndPagePattern = 1, // "设备图册号-页号*.dwg"
};

struct CDrawingRename {
    std::wstring strOldPath;
    std::wstring strNewPath;
    bool operator==(const CDrawingRename&) const = default;
};

// The new file name under the pattern, or "" when the file keeps its name (and whenever the
// result could not be a file name).
std::wstring RenamedDrawingFileName(const std::wstring& strFileName, int nPattern,
                                    const std::wstring& strBookNo);

// The drawings ("*.dwg") of the container's own folder, in name order, that the pattern
// renames. Empty for the book-number pattern without a book number.
std::vector<CDrawingRename> PlanDrawingRenames(const std::wstring& strFolder, int nPattern,
                                               const std::wstring& strBookNo);

// Renames the files of the plan and the records of the management file that list them (only
// their names: remarks stay). A file whose new name is taken keeps its name; such files are
// named together in one box ("Tessaline", exclamation icon). When the management file cannot
// be written the renamed files go back to their old names and the box says why. The number of
// files renamed (0 after such a roll-back).
int ApplyDrawingRenames(const std::vector<CDrawingRename>& arrPlan, CManageFileInfo& manageFile,
                        ui::Window* pOwner);
