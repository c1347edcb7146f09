#include "controls/hyper_link.h"

#include <shellapi.h>

#include <cwchar>

#include "app/text_buffer.h"

namespace lumetra {
namespace {

// Cursor resource of the help viewer that looks like a pointing hand.
constexpr WORD kHelpViewerHandCursorId = 106;
constexpr UINT kHoverTimerPeriodMs = 100;
// The repaint after the pointer leaves reaches this far below the control, so that no
// trace of the hover colour stays under descenders drawn outside it.
constexpr LONG kLeaveRepaintMargin = 10;

// Reads the default value of a key below HKEY_CLASSES_ROOT into text (capacity
// characters). False when the key or value is missing or the value does not fit: a
// cut class name or command would name something else.
bool ReadClassesRootDefault(const wchar_t* keyPath, wchar_t* text, size_t capacity) {
    text[0] = L'\0';
    UniqueHKey key;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, keyPath, 0, KEY_QUERY_VALUE, key.put()) != ERROR_SUCCESS) return false;
    LONG size = static_cast<LONG>(capacity * sizeof(wchar_t));
    if (RegQueryValueW(key.get(), nullptr, text, &size) != ERROR_SUCCESS) {
        text[0] = L'\0';
        return false;
    }
    // The stored value need not carry its terminator.
    size_t length = static_cast<size_t>(size) / sizeof(wchar_t);
    if (length >= capacity) length = capacity - 1;
    text[length] = L'\0';
    return true;
}

// The browser's command line ends where the address goes: at "%1" in quotes, else at
// a bare %1. Without a placeholder the address is appended to the whole command.
void CutAtAddressPlaceholder(wchar_t* command) {
    wchar_t* placeholder = std::wcsstr(command, L"\"%1\"");
    if (!placeholder) placeholder = std::wcsstr(command, L"%1");
    if (placeholder) *placeholder = L'\0';
}

// Runs the ".htm" class's open command with address and gives WinExec's result.
// False when there is no such command or the command line does not fit its buffers.
bool OpenWithHtmlHandler(const wchar_t* address, INT_PTR* result) {
    wchar_t className[kPathCapacity];
    if (!ReadClassesRootDefault(L".htm", className, kPathCapacity)) return false;
    if (!AppendText(className, L"\\shell\\open\\command")) return false;
    wchar_t command[kPathCapacity];
    if (!ReadClassesRootDefault(className, command, kPathCapacity)) return false;
    CutAtAddressPlaceholder(command);

    // A cut address would open a different page: such a command line is not run.
    wchar_t commandLine[kFolderTextCapacity];
    CopyText(commandLine, command);
    if (!AppendText(commandLine, L" ") || !AppendText(commandLine, address)) return false;

    // WinExec takes the thread's ANSI code page. Four bytes per UTF-16 unit hold any
    // code page's encoding, so the conversion is bounded by the buffer and never cut.
    char ansiCommandLine[kFolderTextCapacity * 4];
    const int needed = WideCharToMultiByte(CP_THREAD_ACP, 0, commandLine, -1, nullptr, 0, nullptr, nullptr);
    if (needed <= 0 || static_cast<size_t>(needed) > sizeof(ansiCommandLine)) return false;
    if (WideCharToMultiByte(CP_THREAD_ACP, 0, commandLine, -1, ansiCommandLine, needed, nullptr, nullptr) <= 0) {
        return false;
    }
    *result = static_cast<INT_PTR>(WinExec(ansiCommandLine, SW_SHOW));
    return true;
}

// The window's font, else the stock fonts a dialog would use.
HFONT BaseFontOf(HWND window) {
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
    if (!font) font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    if (!font) font = static_cast<HFONT>(GetStockObject(ANSI_VAR_FONT));
    return font;
}

}  // namespace

CHyperLink::CHyperLink()
    : m_colorLink(RGB(0, 0, 238)),
      m_colorFollowed(RGB(85, 26, 139)),
      m_colorHover(RGB(255, 0, 0)),
      m_bPointerOver(FALSE),
      m_bFollowed(FALSE),
      m_nUnderlineMode(UnderlineOnHover),
      m_nHoverTimerId(100) {}

CHyperLink::~CHyperLink() = default;

BOOL CHyperLink::DestroyWindow() {
    if (m_hWnd) KillTimer(m_hWnd, m_nHoverTimerId);
    return CStatic::DestroyWindow();
}

void CHyperLink::PreSubclassWindow() {
    // Clicks arrive as STN_CLICKED only from a static with SS_NOTIFY.
    SetWindowLongW(m_hWnd, GWL_STYLE, static_cast<LONG>(GetStyle() | SS_NOTIFY));

    const std::wstring text = GetText();
    if (m_strTarget.empty()) m_strTarget = text;
    if (text.empty()) SetWindowTextW(m_hWnd, m_strTarget.c_str());

    LOGFONTW logFont = {};
    GetObjectW(BaseFontOf(m_hWnd), sizeof(logFont), &logFont);
    m_fontPlain.CreateFontIndirect(logFont);
    logFont.lfUnderline = TRUE;
    m_fontUnderlined.CreateFontIndirect(logFont);

    FitToText();
    LoadHandCursor();
    SetUnderlineMode(UnderlineOnHover);
}

void CHyperLink::SetUnderlineMode(int mode) {
    if (mode == m_nUnderlineMode) return;
    if (m_hWnd) {
        SetFont(mode == UnderlineAlways ? m_fontUnderlined.GetSafeHandle() : m_fontPlain.GetSafeHandle(), TRUE);
        Invalidate(TRUE);
    }
    m_nUnderlineMode = mode;
}

void CHyperLink::SetTarget(const wchar_t* address) {
    m_strTarget = address ? address : L"";
    if (m_hWnd) FitToText();
}

void CHyperLink::FitToText() {
    if (!m_hWnd) return;
    HWND parent = GetParent(m_hWnd);
    RECT window;
    GetWindowRect(m_hWnd, &window);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&window), 2);
    RECT client;
    GetClientRect(m_hWnd, &client);
    MapWindowPoints(m_hWnd, parent, reinterpret_cast<POINT*>(&client), 2);

    SIZE extent = {};
    {
        ScopedWindowDC dc(m_hWnd);
        if (!dc) return;
        HGDIOBJ previous = SelectObject(dc.get(), m_fontUnderlined.GetSafeHandle());
        const std::wstring text = GetText();
        GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &extent);
        SelectObject(dc.get(), previous);
    }
    const LONG windowWidth = window.right - window.left;
    const LONG windowHeight = window.bottom - window.top;
    extent.cx += windowWidth - (client.right - client.left);
    extent.cy += windowHeight - (client.bottom - client.top);

    const DWORD style = GetStyle();
    if (style & SS_CENTERIMAGE) {
        const LONG shrink = (windowHeight - extent.cy) / 2;
        window.top += shrink;
        window.bottom -= shrink;
    } else {
        window.bottom = window.top + extent.cy;
    }
    if (style & SS_CENTER) {
        const LONG shrink = (windowWidth - extent.cx) / 2;
        window.left += shrink;
        window.right -= shrink;
    } else if (style & SS_RIGHT) {
        window.left = window.right - extent.cx;
    } else {
        window.right = window.left + extent.cx;
    }
    SetWindowPos(m_hWnd, nullptr, window.left, window.top, window.right - window.left,
                 window.bottom - window.top, SWP_NOZORDER);
}

void CHyperLink::LoadHandCursor() {
    if (m_hHandCursor) return;
    wchar_t path[kPathCapacity] = {};
    const UINT length = GetWindowsDirectoryW(path, static_cast<UINT>(kPathCapacity));
    if (length == 0 || length >= kPathCapacity) return;
    if (!AppendText(path, L"\\winhlp32.exe")) return;
    // Only the cursor resource is wanted: map the program as data, run none of its code.
    UniqueModule helpViewer(LoadLibraryExW(path, nullptr, LOAD_LIBRARY_AS_DATAFILE));
    if (!helpViewer) return;
    if (HCURSOR cursor = LoadCursorW(helpViewer.get(), MAKEINTRESOURCEW(kHelpViewerHandCursorId))) {
        m_hHandCursor.reset(CopyIcon(cursor));
    }
}

bool CHyperLink::OnChildNotify(UINT message, WPARAM wParam, LPARAM, LRESULT* result) {
    if (message == WM_CTLCOLORSTATIC) {
        *result = reinterpret_cast<LRESULT>(CtlColor(reinterpret_cast<HDC>(wParam), CTLCOLOR_STATIC));
        return true;
    }
    if (message == WM_COMMAND && HIWORD(wParam) == STN_CLICKED) {
        OnLinkClicked();
        *result = 0;
        return true;
    }
    return false;
}

HBRUSH CHyperLink::CtlColor(HDC dc, UINT) {
    if (m_bPointerOver) {
        SetTextColor(dc, m_colorHover);
    } else if (m_bFollowed) {
        SetTextColor(dc, m_colorFollowed);
    } else {
        SetTextColor(dc, m_colorLink);
    }
    SetBkMode(dc, TRANSPARENT);
    return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
}

BOOL CHyperLink::OnSetCursor(HWND, UINT, UINT) {
    if (!m_hHandCursor) return FALSE;
    SetCursor(m_hHandCursor.get());
    return TRUE;
}

void CHyperLink::OnMouseMove(UINT, POINT) {
    if (!m_bPointerOver) {
        m_bPointerOver = TRUE;
        if (m_nUnderlineMode == UnderlineOnHover) SetFont(m_fontUnderlined.GetSafeHandle(), TRUE);
        Invalidate(TRUE);
        // The control hears no "mouse left" message: a timer watches for it.
        SetTimer(m_hWnd, m_nHoverTimerId, kHoverTimerPeriodMs, nullptr);
    }
    Default();
}

void CHyperLink::OnTimer(UINT_PTR) {
    const DWORD position = GetMessagePos();
    POINT pointer = PointFromLParam(static_cast<LPARAM>(position));
    ScreenToClient(m_hWnd, &pointer);
    RECT client;
    GetClientRect(m_hWnd, &client);
    if (!PtInRect(&client, pointer)) {
        m_bPointerOver = FALSE;
        KillTimer(m_hWnd, m_nHoverTimerId);
        if (m_nUnderlineMode != UnderlineAlways) SetFont(m_fontPlain.GetSafeHandle(), TRUE);
        client.bottom += kLeaveRepaintMargin;
        InvalidateRect(m_hWnd, &client, TRUE);
    }
    Default();
}

BOOL CHyperLink::OnEraseBkgnd(HDC dc) {
    RECT client;
    GetClientRect(m_hWnd, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_3DFACE));
    return TRUE;
}

void CHyperLink::OnLinkClicked() {
    m_bPointerOver = FALSE;  // the hover timer keeps running and ends itself
    const INT_PTR result = OpenTarget(m_strTarget.c_str());
    m_bFollowed = static_cast<int>(result) > 32;
    if (!m_bFollowed) {
        Beep();
    } else if (m_hWnd) {
        Invalidate(TRUE);
    }
}

void CHyperLink::Beep() { MessageBeep(MB_ICONEXCLAMATION); }

INT_PTR CHyperLink::OpenTarget(const wchar_t* address) {
    const INT_PTR shellResult = reinterpret_cast<INT_PTR>(
        ShellExecuteW(GetDesktopWindow(), L"open", address, nullptr, nullptr, SW_SHOW));
    if (shellResult > 32) return shellResult;
    INT_PTR fallbackResult = 0;
    return OpenWithHtmlHandler(address, &fallbackResult) ? fallbackResult : shellResult;
}

}  // namespace lumetra
