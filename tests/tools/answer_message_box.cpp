// Answers a message box of another process, for scenarios of interactive programs.
//   answer_message_box.exe <caption> <seconds> <button id>
// Waits for a visible top-level dialog window with exactly that caption, prints its text
// and the button that has the keyboard focus, which Enter presses, as JSON
// ({"text": ..., "focus": <id>}, UTF-8), and clicks the button with the given id (IDOK
// 1, IDCANCEL 2, IDYES 6, IDNO 7). Exits with 0 when it clicked, 1 when no such window
// appeared in time or it has no such button, 2 for a wrong command line.
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

struct Search {
    const wchar_t* caption;
    HWND found = nullptr;
};

BOOL CALLBACK VisitWindow(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<Search*>(context);
    wchar_t className[64] = {};
    wchar_t title[512] = {};
    GetClassNameW(window, className, 64);
    GetWindowTextW(window, title, 512);
    if (IsWindowVisible(window) && std::wcscmp(className, L"#32770") == 0 &&
        std::wcscmp(title, search->caption) == 0) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// A JSON string of a wide text, as UTF-8.
std::string JsonString(const std::wstring& text) {
    std::wstring escaped = L"\"";
    for (wchar_t c : text) {
        if (c == L'"' || c == L'\\') {
            escaped += L'\\';
            escaped += c;
        } else if (c == L'\n') {
            escaped += L"\\n";
        } else if (c == L'\r') {
            escaped += L"\\r";
        } else {
            escaped += c;
        }
    }
    escaped += L'"';
    const int size = WideCharToMultiByte(CP_UTF8, 0, escaped.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string utf8(size > 0 ? size : 1, '\0');
    WideCharToMultiByte(CP_UTF8, 0, escaped.c_str(), -1, utf8.data(), size, nullptr, nullptr);
    return utf8.c_str();
}

}  // namespace

int wmain() {
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (arguments == nullptr || count != 4) return 2;
    Search search;
    search.caption = arguments[1];
    const long seconds = std::wcstol(arguments[2], nullptr, 10);
    const int button = static_cast<int>(std::wcstol(arguments[3], nullptr, 10));

    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(seconds) * 1000;
    do {
        EnumWindows(VisitWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found) break;
        Sleep(100);
    } while (GetTickCount64() < deadline);
    LocalFree(arguments);
    if (!search.found) return 1;

    // The message text is the static control 0xFFFF of the message box.
    wchar_t text[2048] = {};
    SendMessageW(GetDlgItem(search.found, 0xFFFF), WM_GETTEXT, 2048, reinterpret_cast<LPARAM>(text));
    GUITHREADINFO thread = {};
    thread.cbSize = sizeof(thread);
    const int focus = GetGUIThreadInfo(GetWindowThreadProcessId(search.found, nullptr), &thread) && thread.hwndFocus
                          ? GetDlgCtrlID(thread.hwndFocus)
                          : 0;
    std::printf("{\"text\": %s, \"focus\": %d}\n", JsonString(text).c_str(), focus);
    std::fflush(stdout);

    HWND target = GetDlgItem(search.found, button);
    if (target == nullptr) return 1;
    // Posted: a sent click would wait for the box's owner to return from the click.
    PostMessageW(target, BM_CLICK, 0, 0);
    return 0;
}
