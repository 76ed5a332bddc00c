// Any picture fitted into the 120 x 120 logo and the bitmap file that carries it.
#include <gtest/gtest.h>

#include "core/oem/picture_fit.h"

namespace vx {
namespace {

TEST(PictureFit, FitTransparencyAndTheBitmapFile) {
    // Wide, tall, square; a line keeps a pixel; small ones keep their size; all centred.
    const std::pair<std::pair<int, int>, FitRect> fits[] = {
        {{300, 150}, {0, 30, 120, 60}}, {{150, 600}, {45, 0, 30, 120}},
        {{480, 480}, {0, 0, 120, 120}}, {{1000, 3}, {0, 59, 120, 1}},
        {{40, 20}, {40, 50, 40, 20}},   {{1, 120}, {59, 0, 1, 120}}};
    for (const auto& [size, fit] : fits) EXPECT_EQ(FitInLogo(size.first, size.second), fit);
    EXPECT_EQ(SizeFault(7072, 7071), PictureFault::TooLarge);  // 50,006,112 pixels
    // Opaque red, black at half coverage, nothing (premultiplied), then the white ground.
    const Pixels logo = ComposeLogo({59, 10, 3, 1}, {0xFFFF0000, 0x80000000, 0x00000000});
    EXPECT_EQ(Pixels(logo.begin() + 1259, logo.begin() + 1263),
              (Pixels{0xFFFF0000, 0xFF7F7F7F, 0xFFFFFFFF, 0xFFFFFFFF}));
    const std::string file = LogoBitmapFile(logo);
    ASSERT_EQ(file.size(), 54u + 120 * 360);
    // Row 10 from the top is row 109 from the bottom, each pixel blue, green, red.
    EXPECT_EQ(file.substr(54 + 109 * 360 + 59 * 3, 6), std::string("\0\0\xFF\x7F\x7F\x7F", 6));
    std::string topDown = file.substr(0, 54), wide = topDown;
    EXPECT_TRUE(IsLogoBitmap(file) && IsLogoBitmap(topDown.replace(22, 4, "\x88\xFF\xFF\xFF")));
    EXPECT_FALSE(IsLogoBitmap(wide.replace(18, 1, "y")) || IsLogoBitmap(file.substr(0, 25)));
    const std::string png = std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR\0\0u0\0\0u0", 24) + "crc+";
    EXPECT_EQ(HeaderSizeFault(png), PictureFault::TooLarge);  // 30000 x 30000
    // 65535 x 65535 in a BMP's OS/2 1.x core header (16-bit sides) and OS/2 2.x short one.
    using namespace std::string_literals;
    using enum PictureFault;
    const std::pair<std::string, PictureFault> bmps[] = {{"\x0C\0\0\0\xFF\xFF\xFF\xFF"s, TooLarge},
        {"\x10\0\0\0\xFF\xFF\0\0\xFF\xFF\0\0"s, TooLarge}, {"\x0C\0\0\0\x78\0\x78\0"s, None}};
    for (const auto& [header, fault] : bmps)
        EXPECT_EQ(HeaderSizeFault("BM" + std::string(12, 0) + header + std::string(8, 0)), fault);
}

}  // namespace
}  // namespace vx
