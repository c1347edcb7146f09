#pragma once

#include <windows.h>

namespace lumetra::viewer {

// The largest rectangle of the image's aspect ratio that fits the area, centred in it.
inline RECT FitRect(int imageWidth, int imageHeight, const RECT& area) {
    const long long areaWidth = area.right - area.left;
    const long long areaHeight = area.bottom - area.top;
    RECT fitted = area;
    if (imageWidth <= 0 || imageHeight <= 0 || areaWidth <= 0 || areaHeight <= 0) return fitted;
    long long width = areaWidth;
    long long height = areaWidth * imageHeight / imageWidth;
    if (height > areaHeight) {
        height = areaHeight;
        width = areaHeight * imageWidth / imageHeight;
    }
    if (width < 1) width = 1;
    if (height < 1) height = 1;
    fitted.left = area.left + static_cast<LONG>((areaWidth - width) / 2);
    fitted.top = area.top + static_cast<LONG>((areaHeight - height) / 2);
    fitted.right = fitted.left + static_cast<LONG>(width);
    fitted.bottom = fitted.top + static_cast<LONG>(height);
    return fitted;
}

}  // namespace lumetra::viewer
