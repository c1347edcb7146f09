// Decodes an image file with the Windows Imaging Component into a bitmap GDI can draw.
#pragma once

#include <windows.h>

#include "framework/handles.h"

namespace lumetra::viewer {

struct DecodedImage {
    UniqueBitmap bitmap;  // 32 bits per pixel, premultiplied alpha, top-down
    int width = 0;
    int height = 0;
};

// The first frame of the image at path; an empty bitmap when the file cannot be decoded.
// COM must be initialised on the calling thread.
DecodedImage LoadImageFile(const wchar_t* path);

}  // namespace lumetra::viewer
