// The PNG adapter: what it writes it reads back, and a damaged header cannot make it allocate
// what the compressed data could never fill.

#include "platform/image/Png.h"

#include <gtest/gtest.h>

TEST(Png, WrittenPicturesReadBackPixelForPixel) {
    image::RgbImage picture{5, 3, {}};
    for (int i = 0; i < 15; ++i)
        picture.rgb.insert(picture.rgb.end(),
                           {static_cast<uint8_t>(i * 17), 0x80, static_cast<uint8_t>(255 - i)});
    std::string png;
    ASSERT_TRUE(image::EncodePng(picture, png));
    image::PngHeader header;
    std::string reason;
    ASSERT_TRUE(image::ReadPngHeader(png, header, reason));
    EXPECT_EQ(header.width, 5);
    EXPECT_EQ(header.bitsPerPixel, 24u);
    image::RgbImage read;
    ASSERT_TRUE(image::DecodePng(png, 0, read, reason)) << reason;
    EXPECT_EQ(read.width, 5);
    EXPECT_EQ(read.height, 3);
    EXPECT_EQ(read.rgb, picture.rgb);

    EXPECT_FALSE(image::EncodePng(image::RgbImage{2, 2, {1, 2, 3}}, png)) << "pixels missing";
}

TEST(Png, ADamagedHeaderIsRefusedBeforeAnythingIsAllocated) {
    image::RgbImage picture{1, 1, {9, 9, 9}};
    std::string png;
    ASSERT_TRUE(image::EncodePng(picture, png));
    auto withSize = [&](uint32_t width, uint32_t height) {
        std::string changed = png;
        for (int i = 0; i < 4; ++i) {
            changed[16 + i] = static_cast<char>(width >> (24 - 8 * i));
            changed[20 + i] = static_cast<char>(height >> (24 - 8 * i));
        }
        return changed;
    };
    image::RgbImage read;
    std::string reason;
    EXPECT_FALSE(image::DecodePng(withSize(4000, 4000), 0, read, reason));
    EXPECT_NE(reason.find("cannot hold"), std::string::npos) << reason;
    EXPECT_FALSE(image::DecodePng(withSize(0x80000000, 1), 0, read, reason));
    EXPECT_NE(reason.find("out of range"), std::string::npos) << reason;
    EXPECT_FALSE(image::DecodePng(withSize(20, 20), 0, read, reason)) << "checksum and data";
    EXPECT_TRUE(read.rgb.empty());
    EXPECT_FALSE(image::DecodePng("GIF89a", 0, read, reason));
    EXPECT_EQ(reason, "the picture is no PNG");
}
