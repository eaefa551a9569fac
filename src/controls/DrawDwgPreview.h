#pragma once
// CDrawDwgPreview: the small picture of a drawing in the management window and the drawing
// selection dialog. It reads the preview image kept inside the drawing file (without opening
// the drawing), prepares its colour table for display and paints it into a preview frame's
// canvas. A call makes one, paints and lets it go again.
//
// The picture is a bitmap (older drawings) or a PNG picture (2013 and later). With colour mode
// 0 black and white swap places in a bitmap's colour table, so that the CAD program's black
// model space shows as a white sheet with dark lines; a PNG picture has no colour table and is
// shown as it is. Paint mode 1 shows the picture at its natural size, centred on the frame's
// own background when it is smaller and cut to its middle part when it is larger; it is the
// only mode the windows use, and the only one painted (at angle 0).

#include "platform/fs/ByteSource.h"
#include "platform/image/Dib.h"
#include "platform/image/Png.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Control.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class CDrawDwgPreview {
public:
    // What was read, for support tools; a value that was not read stays empty.
    struct CPreviewFacts {
        bool bFileRead = false;             // the file could be opened
        std::optional<std::string> version; // the file's first six bytes
        bool bPicture = false;
        std::string strReason;        // "ok" with a picture, otherwise why not
        std::optional<unsigned> code; // the chosen entry of the image section
        std::optional<uint32_t> start;
        std::optional<uint32_t> size;
        std::optional<int> width;
        std::optional<int> height;
        std::optional<bool> topDown;
        std::optional<unsigned> bitsPerPixel;
        std::optional<uint32_t> colours; // entries of the colour table
        std::optional<uint32_t> black;   // table entries that were black before the swap
        std::optional<uint32_t> white;
    };

    explicit CDrawDwgPreview(std::wstring strPath, int nColorMode = 0, double dAngle = 0.0,
                             int nPaintMode = 1);
    virtual ~CDrawDwgPreview() = default;

    // Paints the drawing's preview into the frame's canvas: 1 when a picture was painted. Every
    // pixel of the canvas is painted, with the frame's background around the picture or alone
    // when there is none, so that the picture of a drawing selected before never stays.
    static int DrawDwgPreview(std::wstring strPath, ui::Canvas& frame, int nColorMode = 0,
                              double dAngle = 0.0);
    // A dialog's preview frame painted anew: the drawing's picture, or the background alone
    // when no drawing (an empty path) is shown.
    static void PaintFrame(const std::wstring& strPath, ui::PreviewFrame& frame);

    // Reads the image from the file and prepares it; 1 when there is a picture to paint.
    int ReadImage();
    int ReadImage(fs::ByteSource& file);
    // Paints the picture read, with the frame's background around it (or alone); 1 when a
    // picture was painted.
    int Paint(ui::Canvas& frame) const;

    const CPreviewFacts& Getm_Facts() const { return m_Facts; }

private:
    int NoPicture(std::string strReason);
    int PrepareBitmap();
    int PreparePng();
    void PaintRow(int nSourceRow, int nFirstColumn, int nCount, uint8_t* pOut) const;

    double m_dAngle;
    int m_nColorMode;
    int m_nPaintMode;
    int m_nWidth = 0;
    int m_nHeight = 0;
    bool m_bPng = false;
    // The colour table as red, green, blue, after the swap.
    std::vector<uint8_t> m_arrPalette;
    // The bitmap as read (with its colour table changed by the swap), or the PNG's pixels.
    std::string m_strImage;
    image::DibLayout m_DibLayout;
    image::RgbImage m_PngPixels;
    std::wstring m_strPath;
    CPreviewFacts m_Facts;
};
