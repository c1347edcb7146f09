// Pixel sizes of the wizard are given for 96 DPI and scaled to the screen's.
#pragma once

#include <windows.h>

namespace lumetra {

inline constexpr int kDefaultDpi = 96;

// The horizontal DPI of the window's device context (the screen's for null); 96 when
// no device context can be had.
int GetWindowDpi(HWND window);

// size (at 96 DPI) at dpi, rounded.
inline int ScaleToDpi(int size, int dpi) { return MulDiv(size, dpi, kDefaultDpi); }

}  // namespace lumetra
