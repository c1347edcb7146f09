#include "viewer/image_loader.h"

#include <wincodec.h>
#include <wrl/client.h>

#include <climits>

namespace lumetra::viewer {

using Microsoft::WRL::ComPtr;

DecodedImage LoadImageFile(const wchar_t* path) {
    DecodedImage image;
    ComPtr<IWICImagingFactory> factory;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&factory)))) {
        return image;
    }
    ComPtr<IWICBitmapDecoder> decoder;
    if (FAILED(factory->CreateDecoderFromFilename(path, nullptr, GENERIC_READ, WICDecodeMetadataCacheOnDemand,
                                                  &decoder))) {
        return image;
    }
    ComPtr<IWICBitmapFrameDecode> frame;
    if (FAILED(decoder->GetFrame(0, &frame))) return image;
    ComPtr<IWICFormatConverter> converter;
    if (FAILED(factory->CreateFormatConverter(&converter)) ||
        FAILED(converter->Initialize(frame.Get(), GUID_WICPixelFormat32bppPBGRA, WICBitmapDitherTypeNone, nullptr,
                                     0.0, WICBitmapPaletteTypeCustom))) {
        return image;
    }
    UINT width = 0;
    UINT height = 0;
    // Four bytes a pixel must stay addressable with the int sizes GDI takes.
    if (FAILED(converter->GetSize(&width, &height)) || width == 0 || height == 0 || width > 0x7FFF ||
        height > 0x7FFF) {
        return image;
    }

    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = static_cast<LONG>(width);
    info.bmiHeader.biHeight = -static_cast<LONG>(height);  // top-down, as WIC delivers rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    UniqueBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || bits == nullptr) return image;
    const UINT stride = width * 4;
    if (FAILED(converter->CopyPixels(nullptr, stride, stride * height, static_cast<BYTE*>(bits)))) return image;
    GdiFlush();

    image.bitmap = std::move(bitmap);
    image.width = static_cast<int>(width);
    image.height = static_cast<int>(height);
    return image;
}

}  // namespace lumetra::viewer
