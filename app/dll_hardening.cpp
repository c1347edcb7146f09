#include "app/dll_hardening.h"

#include <windows.h>

#include "app/text_buffer.h"

namespace lumetra {

void HardenDllSearch() {
    wchar_t kernel32[kPathCapacity] = {};
    if (GetSystemDirectoryW(kernel32, kPathCapacity) >= kPathCapacity) kernel32[0] = L'\0';
    if (!EndsWithBackslash(kernel32)) AppendText(kernel32, L"\\");
    AppendText(kernel32, L"kernel32.dll");

    // Looked up at run time: older Windows versions lack the export.
    using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
    HMODULE module = GetModuleHandleW(kernel32);
    if (module == nullptr) return;
    auto setDefault = reinterpret_cast<SetDefaultDllDirectoriesFn>(
        reinterpret_cast<void*>(GetProcAddress(module, "SetDefaultDllDirectories")));
    if (setDefault) setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

}  // namespace lumetra
