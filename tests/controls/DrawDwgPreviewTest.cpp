// The drawing preview: what the reader accepts from real DWG files and ours, what it refuses
// from damaged ones, and how the picture lands in a preview frame.

#include "controls/DrawDwgPreview.h"
#include "drawing/EditOprt.h"
#include "platform/cad/DwgFiler.h"
#include "platform/image/Png.h"
#include "support/DrawingSupport.h"
#include "support/HostSupport.h"
#include "support/PreviewFiles.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace ovtest;

namespace {

constexpr ui::COLORREF kBackground = ui::RGB(240, 240, 240);
constexpr ui::COLORREF kBlack = ui::RGB(0, 0, 0);
constexpr ui::COLORREF kWhite = ui::RGB(255, 255, 255);

// The CAD program's picture of model space: black background, index 7 white, the rest grey.
std::vector<uint32_t> CadColours() {
    std::vector<uint32_t> colours(256, 0x808080);
    colours[0] = 0x000000;
    colours[7] = 0xFFFFFF;
    return colours;
}

// A white line across row 1 of a 6 x 4 picture.
uint32_t WhiteLine(int, int y) {
    return y == 1 ? 7 : 0;
}
// Each pixel says where it is: red = x, green = y.
uint32_t Position(int x, int y) {
    return static_cast<uint32_t>(x) << 16 | static_cast<uint32_t>(y) << 8 | 0x40;
}
uint32_t Red(int, int) {
    return 0xFF0000;
}
uint32_t Green(int, int) {
    return 0x00FF00;
}

const std::string kHeaderData = "header data";

class DrawDwgPreviewTest : public ::testing::Test {
protected:
    // Reads the file's bytes as the windows do, from a file, and paints into a frame.
    int Paint(const std::string& file, int width, int height) {
        folder.WriteBytes(L"a.dwg", file);
        preview = std::make_unique<CDrawDwgPreview>(folder.Path(L"a.dwg"));
        preview->ReadImage();
        frame.Resize(width, height, ui::RGB(1, 2, 3));
        return preview->Paint(frame);
    }
    const CDrawDwgPreview::CPreviewFacts& Facts() const { return preview->Getm_Facts(); }
    std::string Reason(const std::string& file) {
        EXPECT_EQ(Paint(file, 8, 8), 0);
        return Facts().strReason;
    }

    TempFolder folder;
    std::unique_ptr<CDrawDwgPreview> preview;
    ui::Canvas frame;
};

} // namespace

TEST_F(DrawDwgPreviewTest, HeaderEntryThenBitmapShowsTheBitmapWithBlackAndWhiteSwapped) {
    std::string dib = Dib(6, 4, 8, CadColours(), WhiteLine);
    ASSERT_EQ(Paint(DwgLikeFile("AC1015", {{1, kHeaderData}, {2, dib}}), 10, 8), 1);
    // Centred: two columns and two rows of the frame's background around the picture.
    EXPECT_EQ(frame.GetPixel(1, 1), kBackground);
    EXPECT_EQ(frame.GetPixel(8, 6), kBackground);
    EXPECT_EQ(frame.GetPixel(2, 2), kWhite) << "the black background became white";
    EXPECT_EQ(frame.GetPixel(2, 3), kBlack) << "the white line became black";
    EXPECT_EQ(frame.GetPixel(7, 3), kBlack);
    EXPECT_EQ(frame.GetPixel(7, 5), kWhite);

    const auto& facts = Facts();
    EXPECT_TRUE(facts.bPicture);
    EXPECT_EQ(facts.strReason, "ok");
    EXPECT_EQ(facts.version, "AC1015");
    EXPECT_EQ(facts.code, 2u);
    EXPECT_EQ(facts.size, dib.size());
    EXPECT_EQ(facts.start, 64u + 21 + 18 + kHeaderData.size());
    EXPECT_EQ(facts.width, 6);
    EXPECT_EQ(facts.height, 4);
    EXPECT_EQ(facts.topDown, false);
    EXPECT_EQ(facts.bitsPerPixel, 8u);
    EXPECT_EQ(facts.colours, 256u);
    EXPECT_EQ(facts.black, 1u);
    EXPECT_EQ(facts.white, 1u);
}

TEST_F(DrawDwgPreviewTest, ColourModeOtherThanZeroKeepsTheColours) {
    folder.WriteBytes(L"a.dwg",
                      DwgLikeFile("AC1015", {{2, Dib(6, 4, 8, CadColours(), WhiteLine)}}));
    CDrawDwgPreview natural(folder.Path(L"a.dwg"), 1);
    ASSERT_EQ(natural.ReadImage(), 1);
    frame.Resize(6, 4);
    ASSERT_EQ(natural.Paint(frame), 1);
    EXPECT_EQ(frame.GetPixel(0, 0), kBlack);
    EXPECT_EQ(frame.GetPixel(0, 1), kWhite);
}

TEST_F(DrawDwgPreviewTest, ALargerPictureIsCutToItsMiddleInEitherRowOrder) {
    for (int height : {6, -6}) {
        ASSERT_EQ(Paint(DwgLikeFile("AC1024", {{2, Dib(8, height, 32, {}, Position)}}), 4, 2), 1);
        // Columns 2 to 5 and rows 2 and 3 of the picture.
        EXPECT_EQ(frame.GetPixel(0, 0), ui::RGB(2, 2, 0x40)) << height;
        EXPECT_EQ(frame.GetPixel(3, 1), ui::RGB(5, 3, 0x40)) << height;
        EXPECT_EQ(Facts().topDown, height < 0);
        EXPECT_EQ(Facts().colours, 0u) << "a 32-bit bitmap has no colour table";
        EXPECT_EQ(Facts().black, 0u);
    }
    // Wider than the frame but not as high: cut across, centred down.
    ASSERT_EQ(Paint(DwgLikeFile("AC1024", {{2, Dib(8, 2, 24, {}, Position)}}), 4, 4), 1);
    EXPECT_EQ(frame.GetPixel(0, 0), kBackground);
    EXPECT_EQ(frame.GetPixel(0, 1), ui::RGB(2, 0, 0x40));
    EXPECT_EQ(frame.GetPixel(3, 2), ui::RGB(5, 1, 0x40));
    EXPECT_EQ(frame.GetPixel(3, 3), kBackground);
}

TEST_F(DrawDwgPreviewTest, EachPaintStartsFromTheBackground) {
    ASSERT_EQ(Paint(DwgLikeFile("AC1015", {{2, Dib(6, 4, 32, {}, Red)}}), 6, 4), 1);
    EXPECT_EQ(frame.GetPixel(3, 2), ui::RGB(255, 0, 0));
    CDrawDwgPreview::DrawDwgPreview(folder.Path(L"missing.dwg"), frame);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x)
            ASSERT_EQ(frame.GetPixel(x, y), kBackground) << x << "," << y;
}

TEST_F(DrawDwgPreviewTest, TheFirstOfTwoBitmapsIsThePicture) {
    ASSERT_EQ(Paint(DwgLikeFile("AC1018", {{1, kHeaderData},
                                           {2, Dib(2, 2, 32, {}, Red)},
                                           {2, Dib(2, 2, 32, {}, Green)}}),
                    2, 2),
              1);
    EXPECT_EQ(frame.GetPixel(0, 0), ui::RGB(255, 0, 0));
}

TEST_F(DrawDwgPreviewTest, APngPictureIsShownWithoutSwappingColours) {
    image::RgbImage picture{3, 2, {0, 0, 0, 255, 255, 255, 10, 20, 30, 0, 0, 0, 0, 0, 0, 0, 0, 0}};
    std::string png;
    ASSERT_TRUE(image::EncodePng(picture, png));
    ASSERT_EQ(Paint(DwgLikeFile("AC1027", {{1, kHeaderData}, {6, png}}), 3, 2), 1);
    EXPECT_EQ(frame.GetPixel(0, 0), kBlack);
    EXPECT_EQ(frame.GetPixel(1, 0), kWhite);
    EXPECT_EQ(frame.GetPixel(2, 0), ui::RGB(10, 20, 30));
    EXPECT_EQ(Facts().code, 6u);
    EXPECT_EQ(Facts().width, 3);
    EXPECT_EQ(Facts().bitsPerPixel, 24u);
    EXPECT_FALSE(Facts().colours.has_value()) << "no colour table was read";

    png[40] ^= 0x55; // inside the compressed pixels
    EXPECT_EQ(Paint(DwgLikeFile("AC1027", {{6, png}}), 3, 2), 0);
    EXPECT_NE(Facts().strReason.find("PNG"), std::string::npos) << Facts().strReason;
}

TEST_F(DrawDwgPreviewTest, AnOldCoreHeaderBitmapIsShown) {
    // 12-byte header, 1 bit per pixel, a colour table of three-byte entries: black, white.
    std::string dib = std::string("\x0C\0\0\0\x02\0\x02\0\x01\0\x01\0", 12) +
                      std::string("\0\0\0\xFF\xFF\xFF", 6) +
                      std::string("\x80\0\0\0\x40\0\0\0", 8); // bottom row: x=0 white; top: x=1
    ASSERT_EQ(Paint(DwgLikeFile("AC1012", {{2, dib}}), 2, 2), 1);
    EXPECT_EQ(frame.GetPixel(0, 1), kBlack);
    EXPECT_EQ(frame.GetPixel(1, 1), kWhite);
    EXPECT_EQ(frame.GetPixel(1, 0), kBlack);
    EXPECT_EQ(Facts().colours, 2u);
}

TEST_F(DrawDwgPreviewTest, TheSectionIsFoundWhereverTheAddressPoints) {
    std::string file =
        DwgLikeFile("AC1021", {{1, kHeaderData}, {2, Dib(2, 2, 32, {}, Red)}}, -1, 5000);
    EXPECT_EQ(Paint(file, 2, 2), 1);
    EXPECT_EQ(Facts().start, 5000u + 21 + 18 + kHeaderData.size());
}

TEST_F(DrawDwgPreviewTest, FilesWithoutAPictureSayWhy) {
    std::string dib = Dib(2, 2, 32, {}, Red);
    EXPECT_EQ(Reason(DwgLikeFile("AC1015", {}, 0)), "the image section has no entries");
    EXPECT_EQ(Reason(DwgLikeFile("AC1009", {{2, dib}})),
              "a drawing older than R13 keeps no preview image");
    EXPECT_EQ(Reason(DwgLikeFile("AC1015", {{1, kHeaderData}, {3, "metafile"}})),
              "the preview is a metafile, which is not shown");
    EXPECT_EQ(Reason(DwgLikeFile("AC1015", {{1, kHeaderData}, {5, "?"}})),
              "no picture among the entries (codes 1, 5)");
    EXPECT_EQ(Reason(DwgLikeFile("AC1015", {{2, dib}}, 4)), "the image section claims 4 entries");
    EXPECT_EQ(Reason("AC1015"), "the file is too short to hold an image address");

    // A metafile before the bitmap does not hide the bitmap.
    EXPECT_EQ(Paint(DwgLikeFile("AC1015", {{1, kHeaderData}, {3, "metafile"}, {2, dib}}), 2, 2), 1);

    EXPECT_EQ(Paint("", 2, 2), 0);
    EXPECT_TRUE(Facts().bFileRead);
    EXPECT_FALSE(Facts().version.has_value());
    CDrawDwgPreview missing(folder.Path(L"missing.dwg"));
    EXPECT_EQ(missing.ReadImage(), 0);
    EXPECT_FALSE(missing.Getm_Facts().bFileRead);
}

TEST_F(DrawDwgPreviewTest, DamagedAddressesAndSizesGiveNoPicture) {
    std::string dib = Dib(2, 2, 32, {}, Red);
    std::string good = DwgLikeFile("AC1015", {{1, kHeaderData}, {2, dib}});
    const size_t table = 64 + 21;
    ASSERT_EQ(Paint(good, 2, 2), 1);

    std::string file = good;
    cad::WriteU32At(file, 13, 0xFFFFFFF0);
    EXPECT_EQ(Reason(file), "the image address 4294967280 lies outside the file");
    file = good;
    cad::WriteU32At(file, 13, 65);
    EXPECT_EQ(Reason(file), "no image section at address 65");
    for (uint32_t size : {0x7FFFFFFFu, 0xFFFFFFFFu, 0u}) {
        file = good;
        cad::WriteU32At(file, table + 9 + 5, size);
        EXPECT_NE(Reason(file).find("lie outside the file"), std::string::npos) << size;
    }
    file = good;
    cad::WriteU32At(file, table + 9 + 1, 0xFFFFFF00);
    EXPECT_NE(Reason(file).find("lie outside the file"), std::string::npos);
    file = good;
    cad::WriteU32At(file, table + 9 + 5, static_cast<uint32_t>(dib.size() - 1));
    EXPECT_NE(Reason(file).find("run past"), std::string::npos) << "the pixels are cut short";
    // The entry table itself cut off by the end of the file.
    EXPECT_EQ(Reason(good.substr(0, table + 10)),
              "the image section's entries run past the end of the file");
}

TEST_F(DrawDwgPreviewTest, EntriesAreReadOnlyUpToTheCount) {
    // One header entry counted; a bitmap entry follows in the bytes but is not counted.
    std::string file = DwgLikeFile("AC1015", {{1, kHeaderData}, {2, Dib(2, 2, 32, {}, Red)}}, 1);
    EXPECT_EQ(Reason(file), "no picture among the entries (codes 1)");
}

TEST_F(DrawDwgPreviewTest, ImpossibleBitmapSizesAreRefused) {
    std::string dib = Dib(2, 2, 8, CadColours(), WhiteLine);
    auto withHeader = [&](size_t at, uint32_t value) {
        std::string changed = dib;
        cad::WriteU32At(changed, at, value);
        return DwgLikeFile("AC1015", {{2, changed}});
    };
    EXPECT_EQ(Reason(withHeader(4, 0x80000000)), "bitmap size -2147483648 x 2 is out of range");
    EXPECT_EQ(Reason(withHeader(8, 0x80000000)), "bitmap size 2 x -2147483648 is out of range");
    EXPECT_NE(Reason(withHeader(4, 0x7FFFFFFF)).find("run past"), std::string::npos)
        << "huge but positive";
    EXPECT_EQ(Reason(withHeader(0, 20)), "unknown bitmap header of 20 bytes");
    EXPECT_EQ(Reason(withHeader(32, 300)), "a colour table of 300 entries is damaged");
    EXPECT_EQ(Reason(withHeader(16, 1)), "compressed bitmaps (compression 1) are not shown");
    EXPECT_EQ(Reason(withHeader(12, 1u | 16u << 16)), "bitmaps of 16 bits per pixel are not shown");
}

TEST_F(DrawDwgPreviewTest, TheHostsPictureOfModelSpaceShowsAndSurvivesASaveOver) {
    HostSession host;
    SaveDrawing(folder.Path(L"host.dwg"), [](AcDbDatabase& db) {
        AddLine(db, {0, 0, 0}, {100, 0, 0});
    });
    frame.Resize(200, 150);
    ASSERT_EQ(CDrawDwgPreview::DrawDwgPreview(folder.Path(L"host.dwg"), frame), 1);
    // The host draws white on black; the window shows black on white, centred in the frame.
    EXPECT_EQ(frame.GetPixel(10, 8), kWhite);
    EXPECT_EQ(frame.GetPixel(9, 7), kBackground);
    int longestRow = 0;
    for (int y = 0; y < 150; ++y) {
        int black = 0;
        for (int x = 0; x < 200; ++x)
            black += frame.GetPixel(x, y) == kBlack;
        longestRow = std::max(longestRow, black);
    }
    EXPECT_GT(longestRow, 150) << "the line across the picture";
    std::vector<uint8_t> before = frame.Rgb();

    AcDbDatabase other;
    AddText(other, {0, 0, 0}, L"另一张图");
    ASSERT_EQ(CEditOprt::SaveDatabaseAs(&other, folder.Path(L"host.dwg")), Acad::eOk);
    ASSERT_EQ(CDrawDwgPreview::DrawDwgPreview(folder.Path(L"host.dwg"), frame), 1);
    EXPECT_EQ(frame.Rgb(), before) << "the new file keeps the picture of the one it replaced";
}
