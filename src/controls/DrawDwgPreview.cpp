#include "controls/DrawDwgPreview.h"

#include "platform/cad/PreviewSection.h"

#include <cstring>
#include <memory>

CDrawDwgPreview::CDrawDwgPreview(std::wstring strPath, int nColorMode, double dAngle,
                                 int nPaintMode)
    : m_dAngle(dAngle), m_nColorMode(nColorMode), m_nPaintMode(nPaintMode),
      m_strPath(std::move(strPath)) {}

int CDrawDwgPreview::DrawDwgPreview(std::wstring strPath, ui::Canvas& frame, int nColorMode,
                                    double dAngle) {
    auto pPreview = std::make_unique<CDrawDwgPreview>(std::move(strPath), nColorMode, dAngle);
    pPreview->ReadImage();
    return pPreview->Paint(frame);
}

void CDrawDwgPreview::PaintFrame(const std::wstring& strPath, ui::PreviewFrame& frame) {
    ui::Canvas& canvas = frame.GetCanvas();
    if (strPath.empty())
        canvas.Fill(ui::GetSysColor(ui::COLOR_BTNFACE));
    else
        DrawDwgPreview(strPath, canvas, 0, 0.0);
    frame.CanvasPainted();
}

int CDrawDwgPreview::ReadImage() {
    fs::FileBytes file(m_strPath);
    if (!file.IsOpen()) {
        m_Facts = CPreviewFacts();
        return NoPicture("the file cannot be opened");
    }
    return ReadImage(file);
}

int CDrawDwgPreview::ReadImage(fs::ByteSource& file) {
    m_Facts = CPreviewFacts();
    m_Facts.bFileRead = true;
    cad::PreviewSection section = cad::ReadPreviewSection(file);
    if (!section.version.empty())
        m_Facts.version = section.version;
    if (section.entry) {
        m_Facts.code = section.entry->code;
        m_Facts.start = section.entry->start;
        m_Facts.size = section.entry->size;
    }
    if (section.picture.empty())
        return NoPicture(section.reason);
    m_strImage = std::move(section.picture);
    return section.entry->code == cad::kPreviewPng ? PreparePng() : PrepareBitmap();
}

int CDrawDwgPreview::NoPicture(std::string strReason) {
    m_nWidth = m_nHeight = 0;
    m_strImage.clear();
    m_PngPixels = image::RgbImage();
    m_Facts.bPicture = false;
    m_Facts.strReason = std::move(strReason);
    return 0;
}

int CDrawDwgPreview::PrepareBitmap() {
    std::string strReason;
    if (!image::ParseDib(m_strImage, m_DibLayout, strReason))
        return NoPicture(strReason);
    const image::DibLayout& layout = m_DibLayout;
    m_bPng = false;
    m_nWidth = layout.width;
    m_nHeight = layout.height;
    m_Facts.width = layout.width;
    m_Facts.height = layout.height;
    m_Facts.topDown = layout.topDown;
    m_Facts.bitsPerPixel = layout.bitsPerPixel;
    m_Facts.colours = layout.colours;
    uint32_t nBlack = 0, nWhite = 0;
    m_arrPalette.assign(static_cast<size_t>(layout.colours) * 3, 0);
    for (uint32_t i = 0; i < layout.colours; ++i) {
        // Entries are stored blue, green, red; the change is made in the image itself.
        auto* pEntry = reinterpret_cast<uint8_t*>(m_strImage.data() + layout.colourOffset +
                                                  i * layout.colourEntrySize);
        unsigned nSum = pEntry[0] + pEntry[1] + pEntry[2];
        nBlack += nSum == 0;
        nWhite += nSum == 765;
        if (m_nColorMode == 0 && (nSum == 0 || nSum == 765))
            std::memset(pEntry, nSum == 0 ? 255 : 0, 3);
        m_arrPalette[i * 3] = pEntry[2];
        m_arrPalette[i * 3 + 1] = pEntry[1];
        m_arrPalette[i * 3 + 2] = pEntry[0];
    }
    m_Facts.black = nBlack;
    m_Facts.white = nWhite;
    m_Facts.bPicture = true;
    m_Facts.strReason = "ok";
    return 1;
}

int CDrawDwgPreview::PreparePng() {
    image::PngHeader header;
    std::string strReason;
    if (image::ReadPngHeader(m_strImage, header, strReason)) {
        m_Facts.width = header.width;
        m_Facts.height = header.height;
        m_Facts.topDown = true;
        m_Facts.bitsPerPixel = header.bitsPerPixel;
    }
    ui::COLORREF background = ui::GetSysColor(ui::COLOR_BTNFACE);
    uint32_t nBackground = ui::GetRValue(background) << 16 | ui::GetGValue(background) << 8 |
                           ui::GetBValue(background);
    if (!image::DecodePng(m_strImage, nBackground, m_PngPixels, strReason))
        return NoPicture(strReason);
    m_bPng = true;
    m_nWidth = m_PngPixels.width;
    m_nHeight = m_PngPixels.height;
    m_strImage.clear();
    m_Facts.bPicture = true;
    m_Facts.strReason = "ok";
    return 1;
}

namespace {

// The frame's background everywhere outside the picture's rectangle. Every pixel of the frame
// is written, by the picture or by this, so nothing of an earlier picture stays.
void FillAround(ui::Canvas& frame, int nLeft, int nTop, int nWidth, int nHeight) {
    if (frame.Width() <= 0 || frame.Height() <= 0)
        return;
    ui::COLORREF background = ui::GetSysColor(ui::COLOR_BTNFACE);
    size_t nStride = static_cast<size_t>(frame.Width()) * 3;
    std::vector<uint8_t> arrRow(nStride);
    for (size_t i = 0; i < nStride; i += 3) {
        arrRow[i] = static_cast<uint8_t>(ui::GetRValue(background));
        arrRow[i + 1] = static_cast<uint8_t>(ui::GetGValue(background));
        arrRow[i + 2] = static_cast<uint8_t>(ui::GetBValue(background));
    }
    uint8_t* pPixels = frame.Rgb().data();
    size_t nLeftBytes = static_cast<size_t>(nLeft) * 3;
    size_t nRight = static_cast<size_t>(nLeft + nWidth) * 3;
    for (int y = 0; y < frame.Height(); ++y) {
        uint8_t* pRow = pPixels + static_cast<size_t>(y) * nStride;
        if (y < nTop || y >= nTop + nHeight || nWidth == 0) {
            std::memcpy(pRow, arrRow.data(), nStride);
        } else {
            std::memcpy(pRow, arrRow.data(), nLeftBytes);
            std::memcpy(pRow + nRight, arrRow.data(), nStride - nRight);
        }
    }
    frame.Touch();
}

} // namespace

// One row of the picture (counted from the top), from a column on, as red, green, blue.
void CDrawDwgPreview::PaintRow(int nSourceRow, int nFirstColumn, int nCount, uint8_t* pOut) const {
    if (m_bPng) {
        std::memcpy(pOut,
                    m_PngPixels.rgb.data() +
                        (static_cast<size_t>(nSourceRow) * m_nWidth + nFirstColumn) * 3,
                    static_cast<size_t>(nCount) * 3);
        return;
    }
    const image::DibLayout& layout = m_DibLayout;
    int nStoredRow = layout.topDown ? nSourceRow : m_nHeight - 1 - nSourceRow;
    const auto* pRow = reinterpret_cast<const uint8_t*>(m_strImage.data()) + layout.pixelOffset +
                       static_cast<size_t>(nStoredRow) * layout.stride;
    switch (layout.bitsPerPixel) {
    case 32: {
        // Blue, green, red, zero in; red, green, blue out, four bytes at a time: the fourth
        // byte written is the next pixel's first, and the last pixel goes byte by byte.
        const uint8_t* pPixel = pRow + static_cast<size_t>(nFirstColumn) * 4;
        for (int i = 0; i + 1 < nCount; ++i, pPixel += 4, pOut += 3) {
            uint32_t nValue;
            std::memcpy(&nValue, pPixel, 4);
            nValue = __builtin_bswap32(nValue) >> 8;
            std::memcpy(pOut, &nValue, 4);
        }
        pOut[0] = pPixel[2];
        pOut[1] = pPixel[1];
        pOut[2] = pPixel[0];
        return;
    }
    case 24: {
        size_t nStep = 3;
        const uint8_t* pPixel = pRow + static_cast<size_t>(nFirstColumn) * nStep;
        for (int i = 0; i < nCount; ++i, pPixel += nStep, pOut += 3) {
            pOut[0] = pPixel[2];
            pOut[1] = pPixel[1];
            pOut[2] = pPixel[0];
        }
        return;
    }
    default: {
        // Colour indices of 1, 4 or 8 bits, the leftmost pixel in the highest bits.
        unsigned nBits = layout.bitsPerPixel, nMask = (1u << nBits) - 1;
        for (int i = 0; i < nCount; ++i, pOut += 3) {
            size_t nBit = static_cast<size_t>(nFirstColumn + i) * nBits;
            unsigned nIndex = (pRow[nBit / 8] >> (8 - nBits - nBit % 8)) & nMask;
            // An index beyond the table has no colour of its own: black.
            if (nIndex < layout.colours)
                std::memcpy(pOut, &m_arrPalette[nIndex * 3], 3);
            else
                std::memset(pOut, 0, 3);
        }
        return;
    }
    }
}

int CDrawDwgPreview::Paint(ui::Canvas& frame) const {
    bool bPaint = m_nWidth > 0 && m_nHeight > 0 && m_nPaintMode == 1 && m_dAngle == 0.0;
    // Natural size: a smaller picture is centred, a larger one cut to its middle part.
    auto place = [bPaint](int nImage, int nFrame, int& nDest, int& nSource, int& nCount) {
        nDest = nImage <= nFrame ? (nFrame - nImage) / 2 : 0;
        nSource = nImage <= nFrame ? 0 : (nImage - nFrame) / 2;
        nCount = !bPaint ? 0 : nImage <= nFrame ? nImage : nFrame;
    };
    int nDestX, nSourceX, nColumns, nDestY, nSourceY, nRows;
    place(m_nWidth, frame.Width(), nDestX, nSourceX, nColumns);
    place(m_nHeight, frame.Height(), nDestY, nSourceY, nRows);
    FillAround(frame, nDestX, nDestY, nColumns, nRows);
    if (nRows == 0 || nColumns == 0)
        return 0;
    std::vector<uint8_t>& rgb = frame.Rgb();
    for (int y = 0; y < nRows; ++y)
        PaintRow(nSourceY + y, nSourceX, nColumns,
                 rgb.data() + (static_cast<size_t>(nDestY + y) * frame.Width() + nDestX) * 3);
    return 1;
}
