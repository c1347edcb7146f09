// One shell link (.lnk file) made with the shell's link object.
#pragma once

namespace lumetra {

// What a link carries; null members are not set on the link. No link of the setup gets
// a working folder, hotkey or show command.
struct ShellLinkProperties {
    const wchar_t* target = nullptr;
    const wchar_t* arguments = nullptr;
    const wchar_t* iconPath = nullptr;  // with iconIndex
    int iconIndex = 0;
    const wchar_t* description = nullptr;
};

// Saves a link at linkPath (a full path, replaced when it exists). Initialises COM for
// the calling thread around the one link, so that nothing COM-related outlives it.
// Returns 1 when the link was saved, else 0.
int SaveShellLink(const wchar_t* linkPath, const ShellLinkProperties& properties);

}  // namespace lumetra
