// CWnd: a C++ object attached to an existing window. See framework/framework.h for how
// the classes of the framework fit together.
#pragma once

#include <windows.h>

#include <string>

namespace lumetra {

class CWnd {
public:
    CWnd() = default;
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    // The window the object is attached to; null before and after.
    HWND m_hWnd = nullptr;
    HWND GetSafeHwnd() const { return m_hWnd; }

    // The name the class is known by, for diagnostics ("CWnd", "CHyperLink", ...).
    virtual const char* GetRuntimeClassName() const { return "CWnd"; }

    // Routes the messages of an existing window through this object until the window
    // is destroyed. PreSubclassWindow runs first, with m_hWnd already set. A child's
    // parent starts reflecting WM_CTLCOLORSTATIC and control notifications (WM_COMMAND)
    // to it. Returns false when the object is already attached or window is null.
    bool SubclassWindow(HWND window);

    // Binds the object to a window whose procedure is not ours (a dialog procedure
    // calls the handlers itself); no messages are routed.
    void Attach(HWND window) { m_hWnd = window; }
    void Detach() { m_hWnd = nullptr; }

    // The object that subclasses window through SubclassWindow, or null.
    static CWnd* FromHandlePermanent(HWND window);

    virtual BOOL DestroyWindow();

    // Thin helpers over the window handle.
    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    DWORD GetStyle() const { return static_cast<DWORD>(GetWindowLongPtrW(m_hWnd, GWL_STYLE)); }
    HFONT GetFont() const { return reinterpret_cast<HFONT>(SendMessageW(m_hWnd, WM_GETFONT, 0, 0)); }
    void SetFont(HFONT font, BOOL redraw = TRUE) {
        SendMessageW(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw);
    }
    void Invalidate(BOOL erase = TRUE) { InvalidateRect(m_hWnd, nullptr, erase); }
    std::wstring GetText() const;

    // The point packed in a mouse message's lParam or in GetMessagePos's result.
    static POINT PointFromLParam(LPARAM packed) {
        return POINT{static_cast<short>(LOWORD(packed)), static_cast<short>(HIWORD(packed))};
    }

protected:
    // Called by SubclassWindow before the window's messages reach the object.
    virtual void PreSubclassWindow() {}

    // Dispatches one message of a subclassed window to the handlers below; a message
    // without a handler gets the window's own processing (Default).
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    // The window's own processing of the message being handled.
    LRESULT Default();

    // Handlers. Each base version gives the message the window's own processing.
    virtual BOOL OnInitDialog();
    // TRUE: the command was handled; FALSE: the window processes it itself.
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual void OnSysCommand(UINT id, LPARAM lParam);
    virtual void OnTimer(UINT_PTR timerId);
    virtual void OnMouseMove(UINT flags, POINT point);
    virtual BOOL OnSetCursor(HWND window, UINT hitTest, UINT message);
    virtual BOOL OnEraseBkgnd(HDC dc);
    virtual void OnPaint();

    // A message that the parent reflected back to this control (WM_CTLCOLORSTATIC or a
    // WM_COMMAND notification). Returning true answers it with *result; false lets
    // the parent process it as usual.
    virtual bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

private:
    struct CurrentMessage {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };

    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR object);
    static LRESULT CALLBACK ReflectorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                          UINT_PTR id, DWORD_PTR unused);
    LRESULT HandleSubclassedMessage(UINT message, WPARAM wParam, LPARAM lParam);

    bool m_bSubclassed = false;
    const CurrentMessage* m_pCurrentMessage = nullptr;
};

}  // namespace lumetra
