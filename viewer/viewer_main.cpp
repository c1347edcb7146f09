// lu_main64.exe: the Lumetra image viewer. It shows the image named on its command line
// fitted to its window, or with /thumbs the images of a folder.
#include <windows.h>
#include <objbase.h>

#include "viewer/viewer_command_line.h"
#include "viewer/viewer_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    int exitCode = 1;
    {
        lumetra::viewer::ViewerWindow window(instance,
                                             lumetra::viewer::ParseViewerCommandLine(GetCommandLineW()));
        if (window.Show(showCommand)) {
            MSG message = {};
            while (GetMessageW(&message, nullptr, 0, 0) > 0) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
            exitCode = static_cast<int>(message.wParam);
        }
    }
    if (SUCCEEDED(com)) CoUninitialize();
    return exitCode;
}
