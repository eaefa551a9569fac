#pragma once
// Ov_CTitle: the title block of a drawing read for the drawing name. The block is the last
// block reference of model space that carries the four title-block applications; its record
// "TESSALINE_TITLE" describes the cells (suite/OvDwgBtlInfo/TitleBlockFormat.h). The drawing
// name is the text standing inside the cell labelled as the drawing name.

#include "platform/cad/DbObject.h"
#include "platform/cad/Geometry.h"

#include <array>
#include <string>

class AcDbDatabase;

class Ov_CTitle {
public:
    // The reader holds this many cells; further cell strings of a record are ignored.
    static constexpr int kMaxCells = 100;

    explicit Ov_CTitle(AcDbDatabase* pDb) : m_pDb(pDb) {}
    virtual ~Ov_CTitle() = default;

    // Sets m_idTitle and m_bFound; returns m_bFound.
    int FindTitleBlock();
    // Fills the cells (corners absolute); returns the number read.
    int ReadCells();
    // The text inside the drawing-name cell with all spaces removed, or "" (returns 0).
    int SearchDrawingName(std::wstring& strName) const;

    int Getm_nCellCount() const { return m_nCellCount; }
    AcDbObjectId Getm_idTitle() const { return m_idTitle; }
    int Getm_bFound() const { return m_bFound; }
    AcGePoint3d Getm_ptBase() const { return m_ptBase; }
    const std::wstring& Getm_strLabel(int i) const { return m_strLabel[i]; }
    AcGePoint3d Getm_ptCorner1(int i) const { return m_ptCorner1[i]; }
    AcGePoint3d Getm_ptCorner2(int i) const { return m_ptCorner2[i]; }
    double Getm_dTextHeight(int i) const { return m_dTextHeight[i]; }
    double Getm_dWidthFactor(int i) const { return m_dWidthFactor[i]; }
    const std::wstring& Getm_strTextStyle(int i) const { return m_strTextStyle[i]; }

private:
    int FindNameCell() const;

    int m_nCellCount = 0;
    AcDbObjectId m_idTitle;
    int m_bFound = 0;
    AcGePoint3d m_ptBase;
    std::array<std::wstring, kMaxCells> m_strLabel;
    std::array<AcGePoint3d, kMaxCells> m_ptCorner1;
    std::array<AcGePoint3d, kMaxCells> m_ptCorner2;
    std::array<double, kMaxCells> m_dTextHeight{};
    std::array<double, kMaxCells> m_dWidthFactor{};
    std::array<std::wstring, kMaxCells> m_strTextStyle;
    AcDbDatabase* m_pDb; // not owned
};

// The drawing name written in the title block of the drawing at the path: the open document's
// database when the drawing is open (by the match mode of CEditOprt), else the file read for
// the purpose. "" when there is none.
std::wstring GetDrawingNameFromTitle(std::wstring strPath, int nMatchMode);

// Whether the working database's model space holds a title block.
int HasTitleBlock();
