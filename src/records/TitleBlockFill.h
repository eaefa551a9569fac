#pragma once
// The title block's cells filled from a container's description (part of the drawing writer,
// DrawingDescriptionWriter.h). The block and its cells are those Ov_CTitle reads. Labels are
// compared with their blanks removed:
// - the first cell whose label holds "图号", "图纸编号", "图纸代号", "图样编号", "图样代号" or
//   "图册序号" gets "%sG-%s" of the contract number and the drawing-book number (nothing when
//   both are empty);
// - every cell holding "屏柜型号" the equipment model, "电气负责人" the value of
//   "工程电气设计负责人";
// - every cell whose label holds a description title that entry's value.
// A later rule of this list wins over an earlier one for the same cell; empty values fill
// nothing.
//
// The value goes into the TEXT or MTEXT standing inside the cell (the last one in model-space
// order, as the name reader takes it), or, when there is none, into a new TEXT centred in the
// cell with the cell's text height, width factor and text style.

class AcDbDatabase;
struct CDrawingDescription;

// The number of cells set; 0 without a title block.
int FillTitleBlockCells(AcDbDatabase* pDb, const CDrawingDescription& description);
