#pragma once
// The Project the tests of the management window and its library work on, in a folder:
//
//   P\P.itm       工程名称 某变电站; its own type 说明书 (SM) with 说明.dwg
//   P\Q\Q.prj     Equipment: 屏面布置图 (PM) with 图2.dwg and 图1.dwg, 原理图 (YL) with
//                 原理1.dwg, and 清单.xls without type
//   P\R\R.prj     Equipment: 原理图 lists r1.dwg, but the folder holds no drawing
//   P\S\S.itm     sub-Project, with the Equipment P\S\T\T.prj (材料表 (CL) with t1.dwg)
//
// The drawings are files of a few bytes: only their names matter here. The catalogue lines
// name the four types.

#include "support/TestSupport.h"

#include <string>
#include <vector>

namespace ovtest {

std::vector<std::wstring> SampleCatalogueLines();
// A management file: the description entries ("title=value") and the content lines.
std::string ManageFileBytes(const std::vector<std::wstring>& entries,
                            const std::vector<std::wstring>& content);
void WriteSampleProject(const TempFolder& folder);

} // namespace ovtest
