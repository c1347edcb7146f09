// CHyperLink: turns a dialog's static text into a web link. Blue, purple once the last
// click opened its target, red under the pointer; underlined always or only under the
// pointer; a pointing hand as cursor; a click opens the target address.
#pragma once

#include <windows.h>

#include <string>

#include "framework/gdi_objects.h"
#include "framework/handles.h"
#include "framework/static_control.h"

namespace lumetra {

class CHyperLink : public CStatic {
public:
    // Underline modes.
    static constexpr int UnderlineOnHover = -1;
    static constexpr int UnderlineAlways = 1;

    CHyperLink();
    ~CHyperLink() override;
    const char* GetRuntimeClassName() const override { return "CHyperLink"; }

    // Kills the hover timer, then destroys the window.
    BOOL DestroyWindow() override;

    // Switches the underline mode; a mode equal to the current one changes nothing.
    void SetUnderlineMode(int mode);
    int GetUnderlineMode() const { return m_nUnderlineMode; }

    // The address a click opens; with a window, the control is fitted to its text.
    void SetTarget(const wchar_t* address);
    const std::wstring& GetTarget() const { return m_strTarget; }

    // Opens address with the shell, or else with the open command of the ".htm" class.
    // Returns the shell's or WinExec's result: greater than 32 means success.
    static INT_PTR OpenTarget(const wchar_t* address);

protected:
    void PreSubclassWindow() override;
    bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    BOOL OnSetCursor(HWND window, UINT hitTest, UINT message) override;
    void OnMouseMove(UINT flags, POINT point) override;
    void OnTimer(UINT_PTR timerId) override;
    BOOL OnEraseBkgnd(HDC dc) override;

    // The parent's colour request for the control (reflected WM_CTLCOLORSTATIC).
    HBRUSH CtlColor(HDC dc, UINT controlType);
    void OnLinkClicked();

    // Tells the user that a click could not open the target.
    virtual void Beep();

private:
    void FitToText();
    void LoadHandCursor();

    COLORREF m_colorLink;
    COLORREF m_colorFollowed;
    COLORREF m_colorHover;
    BOOL m_bPointerOver;
    BOOL m_bFollowed;
    int m_nUnderlineMode;
    std::wstring m_strTarget;
    CFont m_fontUnderlined;
    CFont m_fontPlain;
    UniqueIcon m_hHandCursor;
    UINT m_nHoverTimerId;
};

}  // namespace lumetra
