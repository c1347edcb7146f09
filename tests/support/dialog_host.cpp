#include "tests/support/dialog_host.h"

#include <gtest/gtest.h>

namespace lumetra::test {
namespace {

constexpr wchar_t kHostClass[] = L"LumetraTestDialogHost";

void RegisterHostClass() {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_3DFACE);
    windowClass.lpszClassName = kHostClass;
    RegisterClassW(&windowClass);  // fails harmlessly when already registered
}

INT_PTR CALLBACK PlainDialogProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

}  // namespace

DialogHost::DialogHost(unsigned templateId, bool visible) {
    RegisterHostClass();
    host_ = CreateWindowExW(0, kHostClass, L"host", WS_OVERLAPPEDWINDOW | (visible ? WS_VISIBLE : 0), 200, 150,
                            700, 600, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    EXPECT_NE(host_, nullptr) << "no host window";
    dialog_ = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId), host_, PlainDialogProc, 0);
    EXPECT_NE(dialog_, nullptr) << "no dialog from template " << templateId;
    if (visible && dialog_) {
        ShowWindow(dialog_, SW_SHOW);
        UpdateWindow(host_);
    }
}

DialogHost::~DialogHost() {
    if (host_) DestroyWindow(host_);
}

void DialogHost::PumpMessages(DWORD milliseconds) {
    const ULONGLONG end = GetTickCount64() + milliseconds;
    while (GetTickCount64() < end) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(10);
    }
}

RECT RectInParent(HWND window) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

}  // namespace lumetra::test
