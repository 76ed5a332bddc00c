#include "system/picture_file.h"

#include <wincodec.h>
#include <wrl/client.h>

#include <cstring>

#include "system/com_calls.h"
#include "system/handles.h"

namespace vx {

namespace {

using Microsoft::WRL::ComPtr;

// The factory class of Windows 7 as it ships (the newer one needs its platform update) and the
// pixel format asked for, defined here: initguid.h would put every GUID of wincodec.h in the exe.
constexpr GUID kImagingFactory1 = {
    0xcacaf262, 0x9370, 0x4615, {0xa1, 0x3b, 0x9f, 0x55, 0x39, 0xda, 0x4c, 0x0a}};
constexpr GUID kPremultipliedBgra = {
    0x6fddc324, 0x4e03, 0x4bfe, {0xb1, 0x85, 0x3d, 0x77, 0x76, 0x8d, 0xc9, 0x10}};

// The first frame, converted to premultiplied BGRA (so that scaling blends colours by their
// coverage) and scaled down to its place in the logo.
PictureFault DecodeFitted(IWICImagingFactory& factory, const std::wstring& path, FitRect& fit,
                          Pixels& picture) {
    ComPtr<IWICBitmapDecoder> decoder;
    ComPtr<IWICBitmapFrameDecode> frame;
    if (FAILED(factory.CreateDecoderFromFilename(path.c_str(), nullptr, GENERIC_READ,
                                                 WICDecodeMetadataCacheOnDemand, &decoder)) ||
        FAILED(decoder->GetFrame(0, &frame)))
        return PictureFault::NotAPicture;
    UINT width = 0, height = 0;
    if (FAILED(frame->GetSize(&width, &height))) return PictureFault::NotAPicture;
    if (const PictureFault f = SizeFault(width, height); f != PictureFault::None) return f;

    ComPtr<IWICFormatConverter> converter;
    if (FAILED(factory.CreateFormatConverter(&converter)) ||
        FAILED(converter->Initialize(frame.Get(), kPremultipliedBgra, WICBitmapDitherTypeNone,
                                     nullptr, 0.0, WICBitmapPaletteTypeCustom)))
        return PictureFault::NotAPicture;
    fit = FitInLogo(static_cast<int>(width), static_cast<int>(height));
    ComPtr<IWICBitmapSource> source = converter;
    if (static_cast<UINT>(fit.width) != width || static_cast<UINT>(fit.height) != height) {
        ComPtr<IWICBitmapScaler> scaler;
        if (FAILED(factory.CreateBitmapScaler(&scaler)) ||
            FAILED(scaler->Initialize(converter.Get(), fit.width, fit.height,
                                      WICBitmapInterpolationModeFant)))
            return PictureFault::NotAPicture;
        source = scaler;
    }
    picture.resize(static_cast<size_t>(fit.width) * fit.height);
    const UINT stride = fit.width * 4;
    if (FAILED(source->CopyPixels(nullptr, stride, stride * fit.height,
                                  reinterpret_cast<BYTE*>(picture.data()))))
        return PictureFault::NotAPicture;
    return PictureFault::None;
}

}  // namespace

std::string FileHead(const std::wstring& path) {
    HANDLE opened = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
    if (opened == INVALID_HANDLE_VALUE) return {};
    UniqueHandle file(opened);
    std::string head(64, '\0');
    DWORD read = 0;
    if (!::ReadFile(file.get(), head.data(), static_cast<DWORD>(head.size()), &read, nullptr))
        read = 0;
    head.resize(read);
    return head;
}

LogoPicture LoadLogoPicture(const std::wstring& path) {
    if (HeaderSizeFault(FileHead(path)) == PictureFault::TooLarge)
        return {PictureFault::TooLarge, {}};
    const com::Apartment apartment;
    ComPtr<IWICImagingFactory> factory;
    if (FAILED(com::CreateInstance(kImagingFactory1, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&factory))))
        return {PictureFault::NotAPicture, {}};
    FitRect fit;
    Pixels picture;
    const PictureFault fault = DecodeFitted(*factory.Get(), path, fit, picture);
    if (fault != PictureFault::None) return {fault, {}};
    return {PictureFault::None, ComposeLogo(fit, picture)};
}

HBITMAP LogoBitmap(const Pixels& logo) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = kLogoSide;
    info.bmiHeader.biHeight = -kLogoSide;  // top-down, as the pixels are held
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap) std::memcpy(bits, logo.data(), logo.size() * sizeof logo[0]);
    return bitmap;
}

}  // namespace vx
