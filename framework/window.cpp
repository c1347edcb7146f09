#include "framework/window.h"

#include <commctrl.h>

#include <vector>

namespace lumetra {
namespace {

// Identify our two subclass procedures on a window.
constexpr UINT_PTR kObjectSubclassId = 1;
constexpr UINT_PTR kReflectorSubclassId = 2;
// Window property that names the object subclassing a window (GetWindowSubclass is
// exported by ordinal only, so the object is found through the property).
constexpr wchar_t kObjectProperty[] = L"Lumetra.CWnd";

}  // namespace

CWnd::~CWnd() {
    // A window that outlives its object must not call into it any more.
    if (m_bSubclassed && m_hWnd) {
        RemoveWindowSubclass(m_hWnd, SubclassProc, kObjectSubclassId);
        RemovePropW(m_hWnd, kObjectProperty);
    }
}

bool CWnd::SubclassWindow(HWND window) {
    if (!window || m_hWnd) return false;
    m_hWnd = window;
    PreSubclassWindow();
    if (!SetPropW(window, kObjectProperty, this)) {
        m_hWnd = nullptr;
        return false;
    }
    if (!SetWindowSubclass(window, SubclassProc, kObjectSubclassId, reinterpret_cast<DWORD_PTR>(this))) {
        RemovePropW(window, kObjectProperty);
        m_hWnd = nullptr;
        return false;
    }
    m_bSubclassed = true;
    if (GetStyle() & WS_CHILD) {
        // Installing it twice only replaces its (unused) data.
        if (HWND parent = GetParent(window)) SetWindowSubclass(parent, ReflectorProc, kReflectorSubclassId, 0);
    }
    return true;
}

CWnd* CWnd::FromHandlePermanent(HWND window) {
    // Another process's window could carry a property of the same name: only windows of
    // this thread can be ours.
    if (!window || GetWindowThreadProcessId(window, nullptr) != GetCurrentThreadId()) return nullptr;
    return static_cast<CWnd*>(GetPropW(window, kObjectProperty));
}

BOOL CWnd::DestroyWindow() { return m_hWnd ? ::DestroyWindow(m_hWnd) : FALSE; }

std::wstring CWnd::GetText() const {
    const int length = GetWindowTextLengthW(m_hWnd);
    if (length <= 0) return {};
    std::vector<wchar_t> text(static_cast<size_t>(length) + 1);
    const int copied = ::GetWindowTextW(m_hWnd, text.data(), length + 1);
    return std::wstring(text.data(), copied > 0 ? static_cast<size_t>(copied) : 0);
}

LRESULT CALLBACK CWnd::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                    DWORD_PTR object) {
    CWnd* self = reinterpret_cast<CWnd*>(object);
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, SubclassProc, kObjectSubclassId);
        RemovePropW(window, kObjectProperty);
        self->m_bSubclassed = false;
        self->m_hWnd = nullptr;
        return DefSubclassProc(window, message, wParam, lParam);
    }
    // No C++ exception may unwind through the system's code that called us; a message
    // whose handler failed is dropped.
    try {
        return self->HandleSubclassedMessage(message, wParam, lParam);
    } catch (...) {
        return 0;
    }
}

LRESULT CWnd::HandleSubclassedMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    // Handlers can cause nested messages (SendMessage to ourselves): keep the outer one.
    struct CurrentMessageScope {
        CWnd& wnd;
        const CurrentMessage* outer;
        ~CurrentMessageScope() { wnd.m_pCurrentMessage = outer; }
    };
    const CurrentMessage current = {message, wParam, lParam};
    CurrentMessageScope scope{*this, m_pCurrentMessage};
    m_pCurrentMessage = &current;
    return WindowProc(message, wParam, lParam);
}

LRESULT CALLBACK CWnd::ReflectorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                     DWORD_PTR) {
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, ReflectorProc, kReflectorSubclassId);
        return DefSubclassProc(window, message, wParam, lParam);
    }
    HWND child = nullptr;
    if (message == WM_CTLCOLORSTATIC || (message == WM_COMMAND && lParam != 0)) {
        child = reinterpret_cast<HWND>(lParam);
    }
    if (CWnd* control = FromHandlePermanent(child)) {
        try {
            LRESULT result = 0;
            if (control->OnChildNotify(message, wParam, lParam, &result)) return result;
        } catch (...) {
            return 0;
        }
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

LRESULT CWnd::Default() {
    if (!m_bSubclassed || !m_pCurrentMessage) return 0;
    return DefSubclassProc(m_hWnd, m_pCurrentMessage->message, m_pCurrentMessage->wParam,
                           m_pCurrentMessage->lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            return OnInitDialog();
        case WM_COMMAND:
            return OnCommand(wParam, lParam) ? 0 : Default();
        case WM_SYSCOMMAND:
            OnSysCommand(static_cast<UINT>(wParam), lParam);
            return 0;
        case WM_TIMER:
            OnTimer(wParam);
            return 0;
        case WM_MOUSEMOVE:
            OnMouseMove(static_cast<UINT>(wParam), PointFromLParam(lParam));
            return 0;
        case WM_SETCURSOR:
            return OnSetCursor(reinterpret_cast<HWND>(wParam), LOWORD(lParam), HIWORD(lParam));
        case WM_ERASEBKGND:
            return OnEraseBkgnd(reinterpret_cast<HDC>(wParam));
        case WM_PAINT:
            OnPaint();
            return 0;
        default:
            return Default();
    }
}

BOOL CWnd::OnInitDialog() { return static_cast<BOOL>(Default()); }
BOOL CWnd::OnCommand(WPARAM, LPARAM) { return FALSE; }
void CWnd::OnSysCommand(UINT, LPARAM) { Default(); }
void CWnd::OnTimer(UINT_PTR) { Default(); }
void CWnd::OnMouseMove(UINT, POINT) { Default(); }
BOOL CWnd::OnSetCursor(HWND, UINT, UINT) { return static_cast<BOOL>(Default()); }
BOOL CWnd::OnEraseBkgnd(HDC) { return static_cast<BOOL>(Default()); }
void CWnd::OnPaint() { Default(); }
bool CWnd::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT*) { return false; }

}  // namespace lumetra
