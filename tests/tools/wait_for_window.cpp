// Waits for a top-level window of a class to appear, for scenarios that start a GUI
// program in the background.
//   wait_for_window.exe <class> <seconds> [<title>] [/close]
// With a title only a window with exactly that title counts; /close asks the window to
// close once it was found. Prints the titles of the windows of the class it saw and exits
// with 0 when one counted, 1 when none appeared in time, 2 for a wrong command line.
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

struct Search {
    const wchar_t* className;
    const wchar_t* title = nullptr;  // any title
    HWND found = nullptr;
    std::wstring seen;
};

BOOL CALLBACK VisitWindow(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<Search*>(context);
    wchar_t className[256] = {};
    GetClassNameW(window, className, 256);
    if (std::wcscmp(className, search->className) != 0) return TRUE;
    wchar_t title[1024] = {};
    GetWindowTextW(window, title, 1024);
    if (search->seen.find(title) == std::wstring::npos) search->seen += std::wstring(title) + L"\n";
    if (search->title == nullptr || std::wcscmp(title, search->title) == 0) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

int wmain() {
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (arguments == nullptr || count < 3) return 2;
    Search search;
    search.className = arguments[1];
    const long seconds = std::wcstol(arguments[2], nullptr, 10);
    bool close = false;
    for (int i = 3; i < count; ++i) {
        if (std::wcscmp(arguments[i], L"/close") == 0) {
            close = true;
        } else {
            search.title = arguments[i];
        }
    }

    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(seconds) * 1000;
    do {
        EnumWindows(VisitWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found) break;
        Sleep(100);
    } while (GetTickCount64() < deadline);

    // The titles go out as UTF-8, so that the scenario reads umlauts back.
    const int size = WideCharToMultiByte(CP_UTF8, 0, search.seen.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string utf8(size > 0 ? size : 1, '\0');
    WideCharToMultiByte(CP_UTF8, 0, search.seen.c_str(), -1, utf8.data(), size, nullptr, nullptr);
    std::fputs(utf8.c_str(), stdout);

    if (search.found && close) PostMessageW(search.found, WM_CLOSE, 0, 0);
    LocalFree(arguments);
    return search.found ? 0 : 1;
}
