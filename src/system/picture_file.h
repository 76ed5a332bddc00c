#pragma once
// Any picture Windows can decode (BMP, PNG, JPEG, GIF) fitted into the 120 x 120 logo,
// through the Windows Imaging Component.
#include <windows.h>

#include <string>

#include "core/oem/picture_fit.h"

namespace vx {

struct LogoPicture {
    PictureFault fault = PictureFault::None;
    Pixels pixels;  // the 120 x 120 logo, opaque; empty on a fault
};

// Decodes the file's first frame. The size its header gives is judged before any pixel is
// decoded.
LogoPicture LoadLogoPicture(const std::wstring& path);

// The first bytes of a file, enough for its headers; empty when it cannot be read.
std::string FileHead(const std::wstring& path);

// A 32-bit top-down DIB section of the 120 x 120 logo; null on failure.
HBITMAP LogoBitmap(const Pixels& logo);

}  // namespace vx
