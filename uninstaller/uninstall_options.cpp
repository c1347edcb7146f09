#include "uninstaller/uninstall_options.h"

#include <shellapi.h>

#include <cstdint>
#include <cwchar>

#include "framework/handles.h"

namespace lumetra {
namespace {

struct LocalMemoryTraits {
    using Handle = wchar_t**;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle memory) { LocalFree(memory); }
};

bool StartsWith(const wchar_t* text, const wchar_t* prefix) {
    return std::wcsncmp(text, prefix, std::wcslen(prefix)) == 0;
}

// A handle value written in decimal; anything else gives null.
HANDLE ParseHandle(const wchar_t* text) {
    if (*text < L'0' || *text > L'9') return nullptr;
    wchar_t* end = nullptr;
    const unsigned long long value = std::wcstoull(text, &end, 10);
    if (end == nullptr || *end != L'\0') return nullptr;
    return reinterpret_cast<HANDLE>(static_cast<uintptr_t>(value));
}

std::wstring HandleText(HANDLE handle) {
    return std::to_wstring(static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(handle)));
}

}  // namespace

UninstallOptions ParseUninstallOptions(const wchar_t* commandLine) {
    UninstallOptions options;
    if (commandLine == nullptr || commandLine[0] == L'\0') return options;
    int count = 0;
    UniqueResource<LocalMemoryTraits> arguments(CommandLineToArgvW(commandLine, &count));
    if (!arguments) return options;
    for (int i = 1; i < count; ++i) {
        const wchar_t* argument = arguments.get()[i];
        if (std::wcscmp(argument, kSilentOption) == 0) {
            options.silent = true;
        } else if (std::wcscmp(argument, kHelperOption) == 0) {
            options.helper = true;
        } else if (StartsWith(argument, kFolderOption)) {
            options.folder = argument + std::wcslen(kFolderOption);
        } else if (StartsWith(argument, kParentOption)) {
            options.parentProcess = ParseHandle(argument + std::wcslen(kParentOption));
        } else if (StartsWith(argument, kResultOption)) {
            options.resultPipe = ParseHandle(argument + std::wcslen(kResultOption));
        }
    }
    return options;
}

std::wstring QuoteArgument(const std::wstring& argument) {
    // Backslashes are literal except before a quote: there they are doubled, and the
    // quote is escaped; the ones before the closing quote are doubled as well.
    std::wstring quoted = L"\"";
    size_t backslashes = 0;
    for (wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        if (c == L'"') {
            quoted.append(backslashes * 2 + 1, L'\\');
        } else {
            quoted.append(backslashes, L'\\');
        }
        backslashes = 0;
        quoted += c;
    }
    quoted.append(backslashes * 2, L'\\');
    quoted += L'"';
    return quoted;
}

std::wstring HelperCommandLine(const wchar_t* copyPath, const wchar_t* folder, HANDLE parentProcess,
                               HANDLE resultPipe, bool silent) {
    std::wstring line = QuoteArgument(copyPath);
    line += L' ';
    line += kHelperOption;
    line += L' ' + QuoteArgument(std::wstring(kFolderOption) + folder);
    line += L' ' + std::wstring(kParentOption) + HandleText(parentProcess);
    line += L' ' + std::wstring(kResultOption) + HandleText(resultPipe);
    if (silent) line += std::wstring(L" ") + kSilentOption;
    return line;
}

}  // namespace lumetra
