// Starts what Wine brings up on first use in a fresh prefix: the desktop process (on the
// first use of the window station) and the COM service with the shell's link object. A
// benchmark runs this before it times an installer, so that the time is the
// installer's own and not the prefix's start-up; on Windows these are always running.
#include <windows.h>
#include <shlobj.h>
#include <wrl/client.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    GetDesktopWindow();
    if (SUCCEEDED(CoInitialize(nullptr))) {
        Microsoft::WRL::ComPtr<IShellLinkW> link;
        CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&link));
        link.Reset();
        CoUninitialize();
    }
    return 0;
}
