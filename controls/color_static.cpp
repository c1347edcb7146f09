#include "controls/color_static.h"

#include <new>

#include "app/text_buffer.h"

namespace lumetra {
namespace {

constexpr LONG kWeightBold = 700;
constexpr LONG kWeightNormal = 400;

}  // namespace

CXColorStatic::CXColorStatic()
    : m_colorText(GetSysColor(COLOR_BTNTEXT)),
      m_colorBack(GetSysColor(COLOR_BTNFACE)),
      m_pBackBrush(new (std::nothrow) CBrush(m_colorBack)),
      m_bBoldFace(FALSE) {}

CXColorStatic::~CXColorStatic() = default;

void CXColorStatic::PreSubclassWindow() {
    HFONT font = GetFont();
    if (!font) font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    if (!font) font = static_cast<HFONT>(GetStockObject(ANSI_VAR_FONT));
    LOGFONTW logFont = {};
    GetObjectW(font, sizeof(logFont), &logFont);
    m_fontDraw.CreateFontIndirect(logFont);
}

void CXColorStatic::ApplyLogFont(const LOGFONTW& logFont) {
    m_fontDraw.DeleteObject();
    LOGFONTW weighted = logFont;
    weighted.lfWeight = m_bBoldFace ? kWeightBold : kWeightNormal;
    m_fontDraw.CreateFontIndirect(weighted);
    if (m_hWnd) RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CXColorStatic::MakeBold() {
    m_bBoldFace = TRUE;
    LOGFONTW logFont = {};
    if (HFONT font = m_hWnd ? GetFont() : nullptr) GetObjectW(font, sizeof(logFont), &logFont);
    logFont.lfWeight = kWeightBold;
    ApplyLogFont(logFont);
}

void CXColorStatic::SetArialHeight(int height) {
    LOGFONTW logFont = {};
    CopyText(logFont.lfFaceName, L"Arial");
    logFont.lfHeight = height;
    logFont.lfQuality = ANTIALIASED_QUALITY;
    ApplyLogFont(logFont);
}

void CXColorStatic::OnPaint() {
    ScopedPaint paint(m_hWnd);
    HDC dc = paint.get();
    ScopedSavedDC saved(dc);
    SetTextColor(dc, m_colorText);
    SetBkColor(dc, m_colorBack);
    SetBkMode(dc, OPAQUE);
    if (m_pBackBrush && *m_pBackBrush) SelectObject(dc, m_pBackBrush->GetSafeHandle());

    RECT client;
    GetClientRect(m_hWnd, &client);
    if (m_fontDraw) SelectObject(dc, m_fontDraw.GetSafeHandle());
    const std::wstring text = GetText();

    const DWORD style = GetStyle();
    UINT format = DT_LEFT;
    if (style & SS_CENTER) {
        format = DT_CENTER;
    } else if (style & SS_RIGHT) {
        format = DT_RIGHT;
    }
    format |= (style & SS_CENTERIMAGE) ? (DT_VCENTER | DT_SINGLELINE) : DT_WORDBREAK;
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &client, format);
}

BOOL CXColorStatic::OnEraseBkgnd(HDC dc) {
    if (m_pBackBrush && *m_pBackBrush) {
        RECT client;
        GetClientRect(m_hWnd, &client);
        FillRect(dc, &client, m_pBackBrush->GetSafeHandle());
    }
    return TRUE;
}

}  // namespace lumetra
