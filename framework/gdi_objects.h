// Owners of the GDI fonts and brushes that windows draw with. Each deletes its object
// when it is replaced or goes out of scope; a window that still uses a font must be
// given another one first.
#pragma once

#include <windows.h>

#include "framework/handles.h"

namespace lumetra {

class CFont {
public:
    CFont() = default;

    // Takes ownership of font (may be null); deletes the font held before.
    void Attach(HFONT font) { font_.reset(font); }
    HFONT Detach() { return static_cast<HFONT>(font_.release()); }
    void DeleteObject() { font_.reset(); }

    // Creates the font described by logFont; false when GDI refuses it.
    bool CreateFontIndirect(const LOGFONTW& logFont) {
        Attach(::CreateFontIndirectW(&logFont));
        return static_cast<bool>(font_);
    }

    HFONT GetSafeHandle() const { return static_cast<HFONT>(font_.get()); }
    explicit operator bool() const { return static_cast<bool>(font_); }

    // Fills logFont with the font's description; false when there is no font.
    bool GetLogFont(LOGFONTW* logFont) const {
        return font_ && GetObjectW(font_.get(), sizeof(*logFont), logFont) == sizeof(*logFont);
    }

private:
    UniqueGdiObject font_;
};

class CBrush {
public:
    CBrush() = default;
    explicit CBrush(COLORREF color) { CreateSolidBrush(color); }

    bool CreateSolidBrush(COLORREF color) {
        brush_.reset(::CreateSolidBrush(color));
        return static_cast<bool>(brush_);
    }
    void DeleteObject() { brush_.reset(); }

    HBRUSH GetSafeHandle() const { return static_cast<HBRUSH>(brush_.get()); }
    explicit operator bool() const { return static_cast<bool>(brush_); }

private:
    UniqueGdiObject brush_;
};

}  // namespace lumetra
