// Reads back what a shell link (.lnk file) carries, through the shell's own link object.
// Shared by the unit tests and the read_links tool of the scenarios.
#pragma once

#include <string>

namespace lumetra::test {

struct ShellLinkContent {
    bool loaded = false;
    std::wstring target;
    std::wstring arguments;
    std::wstring description;
    std::wstring iconPath;
    int iconIndex = 0;
    std::wstring workingFolder;
    unsigned short hotkey = 0;
    int showCommand = 0;
};

// Loads the link at linkPath; loaded is false when it cannot be read. The target is the
// stored path, not resolved, so a link to a missing file reads as it was written.
ShellLinkContent ReadShellLink(const std::wstring& linkPath);

}  // namespace lumetra::test
