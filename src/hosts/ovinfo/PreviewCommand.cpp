// ovinfo preview FILE [--png OUT]: what the preview reader finds in a drawing file.

#include "Commands.h"
#include "Json.h"

#include "controls/DrawDwgPreview.h"
#include "platform/fs/FileIo.h"
#include "platform/fs/FileSystem.h"
#include "platform/image/Png.h"
#include "platform/text/Utf8.h"

#include <cstdio>

namespace {

std::string FactsJson(const CDrawDwgPreview::CPreviewFacts& facts) {
    return JsonObject()
        .Bytes("version", facts.version)
        .Bool("picture", facts.bPicture)
        .Text("reason", text::FromUtf8(facts.strReason))
        .Integer("code", facts.code)
        .Integer("start", facts.start)
        .Integer("size", facts.size)
        .Integer("width", facts.width)
        .Integer("height", facts.height)
        .Bool("top_down", facts.topDown)
        .Integer("bpp", facts.bitsPerPixel)
        .Integer("colors", facts.colours)
        .Integer("black", facts.black)
        .Integer("white", facts.white)
        .Str();
}

// The picture as the windows paint it, into a frame of the picture's own size.
int WritePng(const CDrawDwgPreview& preview, const char* pPngPath) {
    const CDrawDwgPreview::CPreviewFacts& facts = preview.Getm_Facts();
    if (!facts.bPicture) {
        std::fprintf(stderr, "ovinfo: no picture to write: %s\n", facts.strReason.c_str());
        return 0;
    }
    ui::Canvas frame(*facts.width, *facts.height);
    preview.Paint(frame);
    image::RgbImage picture{frame.Width(), frame.Height(), frame.Rgb()};
    std::string png;
    if (!image::EncodePng(picture, png) || !fs::WriteBytes(LogicalPathOf(pPngPath), png)) {
        std::fprintf(stderr, "ovinfo: %s cannot be written: %s\n", pPngPath,
                     text::ToUtf8(fs::ErrorText(fs::LastError())).c_str());
        return 1;
    }
    return 0;
}

} // namespace

int PrintPreview(const std::wstring& strPath, const char* pPngPath) {
    CDrawDwgPreview preview(strPath);
    preview.ReadImage();
    if (!preview.Getm_Facts().bFileRead) {
        std::fprintf(stderr, "ovinfo: %s cannot be opened: %s\n", ShownPath(strPath).c_str(),
                     text::ToUtf8(fs::ErrorText(fs::LastError())).c_str());
        return 1;
    }
    std::printf("%s\n", FactsJson(preview.Getm_Facts()).c_str());
    return pPngPath ? WritePng(preview, pPngPath) : 0;
}
