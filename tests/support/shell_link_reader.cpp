#include "tests/support/shell_link_reader.h"

#include <windows.h>
#include <shlobj.h>
#include <wrl/client.h>

namespace lumetra::test {
namespace {

constexpr int kTextCapacity = 1024;

}  // namespace

ShellLinkContent ReadShellLink(const std::wstring& linkPath) {
    ShellLinkContent content;
    const HRESULT initialized = CoInitialize(nullptr);
    {
        Microsoft::WRL::ComPtr<IShellLinkW> link;
        Microsoft::WRL::ComPtr<IPersistFile> file;
        if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&link))) &&
            SUCCEEDED(link.As(&file)) && SUCCEEDED(file->Load(linkPath.c_str(), STGM_READ))) {
            wchar_t text[kTextCapacity] = {};
            link->GetPath(text, kTextCapacity, nullptr, SLGP_RAWPATH);
            content.target = text;
            text[0] = L'\0';
            link->GetArguments(text, kTextCapacity);
            content.arguments = text;
            text[0] = L'\0';
            link->GetDescription(text, kTextCapacity);
            content.description = text;
            text[0] = L'\0';
            link->GetIconLocation(text, kTextCapacity, &content.iconIndex);
            content.iconPath = text;
            text[0] = L'\0';
            link->GetWorkingDirectory(text, kTextCapacity);
            content.workingFolder = text;
            link->GetHotkey(&content.hotkey);
            link->GetShowCmd(&content.showCommand);
            content.loaded = true;
        }
    }
    if (SUCCEEDED(initialized)) CoUninitialize();
    return content;
}

}  // namespace lumetra::test
