// lm_uninstall.exe: removes an installation of Lumetra (see uninstall_run.h).
#include <windows.h>

#include "app/dll_hardening.h"
#include "uninstaller/uninstall_run.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // The helper runs from the temporary folder, where anyone may leave a DLL.
    lumetra::HardenDllSearch();
    return lumetra::RunUninstaller(GetCommandLineW());
}
