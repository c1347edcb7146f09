// CXColorStatic: a static text control that draws its own text, in a colour, font and
// weight of its owner's choosing, on an opaque background.
#pragma once

#include <windows.h>

#include <memory>

#include "framework/gdi_objects.h"
#include "framework/static_control.h"

namespace lumetra {

class CXColorStatic : public CStatic {
public:
    CXColorStatic();
    ~CXColorStatic() override;
    const char* GetRuntimeClassName() const override { return "CXColorStatic"; }

    // Sets the text colour for the next paint; does not repaint.
    void ChangeTextColor(COLORREF color) { m_colorText = color; }
    // Makes the drawing font from logFont, in the weight that MakeBold chose (700 or
    // 400), and repaints at once.
    void ApplyLogFont(const LOGFONTW& logFont);
    // From now on every drawing font is bold; rebuilds it from the window's font.
    void MakeBold();
    // Draws with anti-aliased Arial of the given height in logical units (positive:
    // cell height).
    void SetArialHeight(int height);

    COLORREF GetTextColor() const { return m_colorText; }
    COLORREF GetBackColor() const { return m_colorBack; }
    const CFont& GetDrawFont() const { return m_fontDraw; }

protected:
    void PreSubclassWindow() override;
    void OnPaint() override;
    BOOL OnEraseBkgnd(HDC dc) override;

private:
    CFont m_fontDraw;
    COLORREF m_colorText;
    COLORREF m_colorBack;
    std::unique_ptr<CBrush> m_pBackBrush;
    BOOL m_bBoldFace;
};

}  // namespace lumetra
