// Stands in for a running viewer in scenarios: registers the viewer's window class,
// creates one top-level window of it and stays until the window is closed or the
// given number of seconds (default 60) has passed.
#include <windows.h>

#include <cwchar>
#include <cwctype>

#include "app/build_constants.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = lumetra::kViewerWindowClass;
    if (!RegisterClassW(&windowClass)) return 1;
    HWND window = CreateWindowW(lumetra::kViewerWindowClass, L"Lumetra", WS_OVERLAPPEDWINDOW,
                                0, 0, 200, 100, nullptr, nullptr, instance, nullptr);
    if (!window) return 2;

    long seconds = std::wcstol(commandLine, nullptr, 10);
    if (seconds <= 0) seconds = 60;
    SetTimer(window, 1, static_cast<UINT>(seconds * 1000), nullptr);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_TIMER) break;
        DispatchMessageW(&message);
    }
    return 0;
}
