// ovinfo title FILE and ovinfo location FILE: what the module reads from a drawing.

#include "Commands.h"
#include "Json.h"

#include "drawing/OvTitle.h"
#include "platform/cad/DbDatabase.h"
#include "platform/text/Utf8.h"
#include "records/DrawingLocation.h"

#include <cstdio>
#include <memory>

namespace {

std::unique_ptr<AcDbDatabase> ReadDrawing(const std::wstring& strPath) {
    auto db = std::make_unique<AcDbDatabase>(false, true);
    Acad::ErrorStatus status = db->readDwgFile(strPath.c_str());
    if (status == Acad::eOk)
        return db;
    std::fprintf(stderr, "ovinfo: %s cannot be read as a drawing: %s\n", ShownPath(strPath).c_str(),
                 text::ToUtf8(acadErrorStatusText(status)).c_str());
    return nullptr;
}

} // namespace

int PrintTitle(const std::wstring& strPath) {
    std::unique_ptr<AcDbDatabase> db = ReadDrawing(strPath);
    if (!db)
        return 1;
    Ov_CTitle title(db.get());
    title.FindTitleBlock();
    title.ReadCells();
    std::wstring strName;
    title.SearchDrawingName(strName);
    std::string cells = "[";
    for (int i = 0; i < title.Getm_nCellCount(); ++i) {
        if (i > 0)
            cells += ",";
        cells += JsonObject()
                     .Text("label", title.Getm_strLabel(i))
                     .Number("x1", title.Getm_ptCorner1(i).x)
                     .Number("y1", title.Getm_ptCorner1(i).y)
                     .Number("x2", title.Getm_ptCorner2(i).x)
                     .Number("y2", title.Getm_ptCorner2(i).y)
                     .Number("text_height", title.Getm_dTextHeight(i))
                     .Number("width_factor", title.Getm_dWidthFactor(i))
                     .Text("text_style", title.Getm_strTextStyle(i))
                     .Str();
    }
    cells += "]";
    std::printf("%s\n", JsonObject()
                            .Bool("title_block", title.Getm_bFound() != 0)
                            .Raw("cells", cells)
                            .Text("drawing_name", strName)
                            .Str()
                            .c_str());
    return 0;
}

int PrintLocation(const std::wstring& strPath) {
    std::unique_ptr<AcDbDatabase> db = ReadDrawing(strPath);
    if (!db)
        return 1;
    std::printf("%s\n", JsonObject().Text("location", GetDrawingLocation(db.get())).Str().c_str());
    return 0;
}
