#include "registration/shell_link.h"

#include <windows.h>
#include <shlobj.h>
#include <wrl/client.h>

#include "framework/handles.h"

namespace lumetra {

int SaveShellLink(const wchar_t* linkPath, const ShellLinkProperties& properties) {
    // Declared first so that both interfaces are released before COM is uninitialised.
    ScopedComInitialization com;
    Microsoft::WRL::ComPtr<IShellLinkW> link;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&link)))) {
        return 0;
    }
    Microsoft::WRL::ComPtr<IPersistFile> file;
    if (FAILED(link.As(&file))) return 0;

    if (properties.iconPath) link->SetIconLocation(properties.iconPath, properties.iconIndex);
    link->SetPath(properties.target);
    if (properties.arguments) link->SetArguments(properties.arguments);
    if (properties.description) link->SetDescription(properties.description);
    return SUCCEEDED(file->Save(linkPath, TRUE)) ? 1 : 0;
}

}  // namespace lumetra
