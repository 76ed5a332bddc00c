#include "core/oem/picture_fit.h"

#include <algorithm>
#include <cstdlib>

namespace vx {

namespace {

constexpr int kFileHeaderBytes = 14;
constexpr int kInfoHeaderBytes = 40;
constexpr std::uint32_t kCoreHeaderBytes = 12, kShortHeaderBytes = 16;
constexpr int kRowBytes = kLogoSide * 3;  // a multiple of 4: no padding

void PutLe(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

// Reads `bytes` bytes at `at`, little-endian unless `big`.
std::uint32_t Get(std::string_view in, size_t at, int bytes, bool big = false) {
    std::uint32_t v = 0;
    for (int i = 0; i < bytes; ++i)
        v = (v << 8) | static_cast<unsigned char>(in[at + (big ? i : bytes - 1 - i)]);
    return v;
}

std::int32_t GetLe32(std::string_view in, size_t at) {
    return static_cast<std::int32_t>(Get(in, at, 4));
}

// Scales `side` by target/longest, rounded, never below one pixel.
int Scaled(int side, int longest) {
    return std::max(1, (side * kLogoSide + longest / 2) / longest);
}

}  // namespace

PictureFault SizeFault(long long width, long long height) {
    if (width <= 0 || height <= 0) return PictureFault::NotAPicture;
    if (width > kMaxPictureSide || height > kMaxPictureSide || width * height > kMaxPicturePixels)
        return PictureFault::TooLarge;
    return PictureFault::None;
}

PictureFault HeaderSizeFault(std::string_view head) {
    if (head.size() < 26) return PictureFault::None;
    long long width = 1, height = 1;
    if (head.starts_with("\x89PNG\r\n\x1A\n")) {
        width = Get(head, 16, 4, true);
        height = Get(head, 20, 4, true);
    } else if (head.starts_with("GIF8")) {
        width = Get(head, 6, 2);
        height = Get(head, 8, 2);
    } else if (head.starts_with("BM") && Get(head, kFileHeaderBytes, 4) == kCoreHeaderBytes) {
        // The OS/2 1.x core header holds unsigned 16-bit sides.
        width = Get(head, kFileHeaderBytes + 4, 2);
        height = Get(head, kFileHeaderBytes + 6, 2);
    } else if (head.starts_with("BM") && Get(head, kFileHeaderBytes, 4) >= kShortHeaderBytes) {
        // Every longer form, the OS/2 2.x one cut to 16 bytes included, starts alike.
        width = GetLe32(head, kFileHeaderBytes + 4);
        height = std::llabs(GetLe32(head, kFileHeaderBytes + 8));
    }
    return SizeFault(width, height) == PictureFault::TooLarge ? PictureFault::TooLarge
                                                              : PictureFault::None;
}

FitRect FitInLogo(int width, int height) {
    const int longest = std::max(width, height);
    if (longest > kLogoSide) {
        width = Scaled(width, longest);
        height = Scaled(height, longest);
    }
    return {(kLogoSide - width) / 2, (kLogoSide - height) / 2, width, height};
}

Pixels ComposeLogo(const FitRect& fit, const Pixels& picture) {
    Pixels logo(kLogoSide * kLogoSide, 0xFFFFFFFF);
    for (int y = 0; y < fit.height; ++y) {
        for (int x = 0; x < fit.width; ++x) {
            const std::uint32_t p = picture[static_cast<size_t>(y) * fit.width + x];
            // Premultiplied colour over white: c + (255 - alpha) for each channel.
            const std::uint32_t white = 255 - (p >> 24);
            std::uint32_t out = 0xFF000000;
            for (int shift = 0; shift < 24; shift += 8)
                out |= std::min<std::uint32_t>(255, ((p >> shift) & 0xFF) + white) << shift;
            logo[static_cast<size_t>(fit.top + y) * kLogoSide + fit.left + x] = out;
        }
    }
    return logo;
}

std::string LogoBitmapFile(const Pixels& logo) {
    const std::uint32_t dataBytes = kRowBytes * kLogoSide;
    const std::uint32_t offset = kFileHeaderBytes + kInfoHeaderBytes;
    std::string file = "BM";
    PutLe(file, offset + dataBytes, 4);
    PutLe(file, 0, 4);
    PutLe(file, offset, 4);
    PutLe(file, kInfoHeaderBytes, 4);
    PutLe(file, kLogoSide, 4);
    PutLe(file, kLogoSide, 4);  // positive: bottom-up
    PutLe(file, 1, 2);          // planes
    PutLe(file, 24, 2);         // bits per pixel
    PutLe(file, 0, 4);          // BI_RGB
    PutLe(file, dataBytes, 4);
    file.append(16, '\0');  // resolution and palette counts
    for (int y = kLogoSide - 1; y >= 0; --y)
        for (int x = 0; x < kLogoSide; ++x) PutLe(file, logo[y * kLogoSide + x], 3);
    return file;
}

bool IsLogoBitmap(std::string_view head) {
    if (head.size() < kFileHeaderBytes + 12 || head.substr(0, 2) != "BM") return false;
    if (GetLe32(head, kFileHeaderBytes) < kInfoHeaderBytes) return false;
    const std::int32_t height = GetLe32(head, kFileHeaderBytes + 8);
    return GetLe32(head, kFileHeaderBytes + 4) == kLogoSide &&
           (height == kLogoSide || height == -kLogoSide);
}

}  // namespace vx
