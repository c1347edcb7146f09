#include "wizard/finish_actions.h"

#include <windows.h>
#include <shellapi.h>

#include "app/build_constants.h"
#include "app/text_buffer.h"

namespace lumetra {
namespace {

constexpr DWORD kFirstWaitMs = 50;
constexpr int kWindowTries = 5;
constexpr DWORD kWaitBetweenTriesMs = 500;

}  // namespace

void OpenFaqPage() {
    ShellExecuteW(GetDesktopWindow(), L"open", kFaqAddress, nullptr, L"", SW_SHOW);
}

bool BuildViewerPath(const wchar_t* folder, wchar_t* path) {
    if (!CopyText(path, kPathCapacity, folder)) return false;
    if (!EndsWithBackslash(path) && !AppendText(path, kPathCapacity, L"\\")) return false;
    return AppendText(path, kPathCapacity, kViewerExeName);
}

void StartViewer(const wchar_t* folder) {
    // A cut path would start some other program, or none: better start nothing.
    wchar_t path[kPathCapacity];
    if (!BuildViewerPath(folder, path)) return;
    ShellExecuteW(GetActiveWindow(), L"open", path, L"", nullptr, SW_SHOW);

    // The viewer opens its window a moment after it starts; the wizard is still the
    // foreground window and may hand the foreground on.
    Sleep(kFirstWaitMs);
    for (int attempt = 0; attempt < kWindowTries; ++attempt) {
        if (HWND viewer = FindWindowExW(nullptr, nullptr, kViewerWindowClass, nullptr)) {
            SetForegroundWindow(viewer);
            return;
        }
        Sleep(kWaitBetweenTriesMs);
    }
}

}  // namespace lumetra
