#pragma once
// The arithmetic of turning any picture into the 120 x 120 OEM logo: where the picture goes,
// how its transparency meets the white ground, and the bitmap file that holds the result.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vx {

inline constexpr int kLogoSide = 120;
// Larger pictures are refused from their header alone: decoding one would take gigabytes.
inline constexpr long long kMaxPictureSide = 10000;
inline constexpr long long kMaxPicturePixels = 50000000;

// Why a picture could not become the logo.
enum class PictureFault { None, NotAPicture, TooLarge };

PictureFault SizeFault(long long width, long long height);
// TooLarge when a PNG, GIF or BMP header gives too large a size. Judged before any decoder
// sees the file: some decoders allocate and decode the whole picture as they open it.
PictureFault HeaderSizeFault(std::string_view head);

// Where a picture lands in the logo, in logo pixels.
struct FitRect {
    int left = 0, top = 0, width = 0, height = 0;
    friend bool operator==(const FitRect&, const FitRect&) = default;
};

// Proportions kept, never enlarged, centred.
FitRect FitInLogo(int width, int height);

// Pixels as 32-bit Windows DIBs hold them (0xAARRGGBB), row by row, top row first.
using Pixels = std::vector<std::uint32_t>;

// The logo: `picture` (fit.width x fit.height, alpha premultiplied) at `fit` on white. Every
// pixel comes out opaque.
Pixels ComposeLogo(const FitRect& fit, const Pixels& picture);

// The logo as a 120 x 120, 24-bit, uncompressed, bottom-up bitmap file.
std::string LogoBitmapFile(const Pixels& logo);

// Whether a file beginning with these bytes already is a 120 x 120 bitmap, to be used as it is.
bool IsLogoBitmap(std::string_view head);

}  // namespace vx
