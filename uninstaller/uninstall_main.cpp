// lm_uninstall.exe: removes an installation of Lumetra. For now it only shows which
// parts of the system an uninstallation removes and changes nothing.
#include <windows.h>

#include <string>

#include "uninstaller/uninstaller_resource.h"

namespace {

std::wstring LoadText(HINSTANCE instance, UINT id) {
    const wchar_t* text = nullptr;
    const int length = LoadStringW(instance, id, reinterpret_cast<wchar_t*>(&text), 0);
    return length > 0 ? std::wstring(text, static_cast<size_t>(length)) : std::wstring();
}

// The folder this program runs from: the installation it belongs to.
std::wstring InstallFolder() {
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return std::wstring();
    std::wstring folder(path, length);
    return folder.substr(0, folder.find_last_of(L'\\') + 1);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    const std::wstring pattern = LoadText(instance, IDS_UNINSTALL_PREVIEW);
    const std::wstring folder = InstallFolder();
    std::wstring message(pattern.size() + folder.size() + 1, L'\0');
    const int written = _snwprintf(message.data(), message.size(), pattern.c_str(), folder.c_str());
    message.resize(written < 0 ? 0 : static_cast<size_t>(written));
    MessageBoxW(nullptr, message.c_str(), LoadText(instance, IDS_UNINSTALL_CAPTION).c_str(),
                MB_OK | MB_ICONINFORMATION);
    return 0;
}
