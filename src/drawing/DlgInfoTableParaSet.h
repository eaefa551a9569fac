#pragma once
// CDlgInfoTableParaSet: the layout parameters of the equipment information table (column
// widths, row height, text height and width factor, alignment). OK stores all of them for the
// rest of the module's life; Cancel changes nothing.

#include "drawing/InfoTableData.h"
#include "platform/ui/Dialog.h"

class CDlgInfoTableParaSet : public ui::Dialog {
public:
    static constexpr int IDD = 116;
    static constexpr int IDC_C1 = 242;
    static constexpr int IDC_C2 = 244;
    static constexpr int IDC_C3 = 246;
    static constexpr int IDC_C4 = 248;
    static constexpr int IDC_ROW_HEIGHT = 253;
    static constexpr int IDC_TEXT_HEIGHT = 254;
    static constexpr int IDC_WIDTH_FACTOR = 256;
    static constexpr int IDC_LEFT_MIDDLE = 250;
    static constexpr int IDC_CENTRE = 258;

    explicit CDlgInfoTableParaSet(ui::Window* pParent = nullptr);

    infotable::Parameters m_Parameters;

protected:
    bool OnInitDialog() override;
    void OnOK() override;
};
