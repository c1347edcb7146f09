// Prints the shell links (*.lnk) of the folders given as arguments as one JSON object:
// {"<folder>\\<name>.lnk": {"target": ..., "arguments": ..., "description": ...,
// "icon_path": ..., "icon_index": n, "working_folder": ..., "hotkey": n,
// "show_command": n}, ...}. A missing folder contributes nothing. Non-ASCII characters
// are written as \u escapes, so the output is plain ASCII.
#include <windows.h>

#include <cstdio>
#include <string>

#include "framework/handles.h"
#include "tests/support/shell_link_reader.h"

namespace {

using lumetra::test::ShellLinkContent;

std::string Json(const std::wstring& text) {
    std::string out = "\"";
    for (wchar_t c : text) {
        if (c == L'"' || c == L'\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c >= 0x20 && c < 0x7F) {
            out += static_cast<char>(c);
        } else {
            char escape[8];
            std::snprintf(escape, sizeof(escape), "\\u%04x", static_cast<unsigned>(c));
            out += escape;
        }
    }
    return out + "\"";
}

std::string Entry(const std::wstring& path, const ShellLinkContent& link) {
    if (!link.loaded) return Json(path) + ": null";
    return Json(path) + ": {\"target\": " + Json(link.target) + ", \"arguments\": " + Json(link.arguments) +
           ", \"description\": " + Json(link.description) + ", \"icon_path\": " + Json(link.iconPath) +
           ", \"icon_index\": " + std::to_string(link.iconIndex) + ", \"working_folder\": " +
           Json(link.workingFolder) + ", \"hotkey\": " + std::to_string(link.hotkey) +
           ", \"show_command\": " + std::to_string(link.showCommand) + "}";
}

struct FindTraits {
    using Handle = HANDLE;
    static Handle Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(Handle find) { FindClose(find); }
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
    std::string out = "{";
    bool first = true;
    for (int i = 1; i < argc; ++i) {
        std::wstring folder = argv[i];
        if (!folder.empty() && folder.back() != L'\\') folder += L'\\';
        WIN32_FIND_DATAW found;
        lumetra::UniqueResource<FindTraits> search(FindFirstFileW((folder + L"*.lnk").c_str(), &found));
        if (!search) continue;
        do {
            const std::wstring path = folder + found.cFileName;
            out += (first ? "\n  " : ",\n  ") + Entry(path, lumetra::test::ReadShellLink(path));
            first = false;
        } while (FindNextFileW(search.get(), &found));
    }
    out += "\n}\n";
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), out.data(), static_cast<DWORD>(out.size()), &written, nullptr);
    return 0;
}
