#include "app/icons_library.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <memory>

#include "app/build_constants.h"
#include "app/text_buffer.h"
#include "framework/handles.h"

namespace lumetra {
namespace {

using GetFileVersionInfoSizeWFunction = DWORD(WINAPI*)(LPCWSTR, LPDWORD);
using GetFileVersionInfoWFunction = BOOL(WINAPI*)(LPCWSTR, DWORD, DWORD, LPVOID);
using VerQueryValueWFunction = BOOL(WINAPI*)(LPCVOID, LPCWSTR, LPVOID*, PUINT);

struct FreeDeleter {
    void operator()(void* block) const { std::free(block); }
};

// version.dll is loaded by its full path so that no planted copy can be picked up.
UniqueModule LoadVersionLibrary() {
    wchar_t path[kPathCapacity];
    const UINT length = GetSystemDirectoryW(path, kPathCapacity);
    if (length == 0 || length >= kPathCapacity) return UniqueModule();
    if (!EndsWithBackslash(path) && !AppendText(path, L"\\")) return UniqueModule();
    if (!AppendText(path, L"version.dll")) return UniqueModule();
    return UniqueModule(LoadLibraryW(path));
}

template <typename Function>
Function Lookup(HMODULE module, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

// Size of a file in bytes, -1 when it cannot be opened for reading.
long long FileSize(const wchar_t* path) {
    UniqueStdioFile file(_wfopen(path, L"rb"));
    if (!file || _fseeki64(file.get(), 0, SEEK_END) != 0) return -1;
    return _ftelli64(file.get());
}

}  // namespace

int ReadFileVersion(const wchar_t* path, wchar_t* version, size_t versionCapacity, wchar_t* company,
                    size_t companyCapacity) {
    UniqueModule library = LoadVersionLibrary();
    if (!library) return 0;
    const auto getInfoSize = Lookup<GetFileVersionInfoSizeWFunction>(library.get(), "GetFileVersionInfoSizeW");
    const auto getInfo = Lookup<GetFileVersionInfoWFunction>(library.get(), "GetFileVersionInfoW");
    const auto queryValue = Lookup<VerQueryValueWFunction>(library.get(), "VerQueryValueW");
    if (!getInfoSize || !getInfo || !queryValue) return 0;

    DWORD ignored = 0;
    const DWORD size = getInfoSize(path, &ignored);
    if (size == 0) return 0;
    // Twice the reported size: room for what the system adds while it reads.
    std::unique_ptr<BYTE, FreeDeleter> info(static_cast<BYTE*>(std::calloc(2, size)));
    if (!info) return 0;
    if (!getInfo(path, 0, 2 * size, info.get())) return 0;

    void* fixedData = nullptr;
    UINT fixedLength = 0;
    if (!queryValue(info.get(), L"\\", &fixedData, &fixedLength) || fixedData == nullptr ||
        fixedLength < sizeof(VS_FIXEDFILEINFO)) {
        return 0;
    }
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(fixedData);
    FormatText(version, versionCapacity, L"%d.%d%d", HIWORD(fixed->dwProductVersionMS),
               LOWORD(fixed->dwProductVersionMS), HIWORD(fixed->dwFileVersionLS));

    if (company != nullptr && companyCapacity > 0) {
        company[0] = L'\0';
        void* value = nullptr;
        UINT valueLength = 0;
        if (queryValue(info.get(), L"\\StringFileInfo\\040904E4\\CompanyName", &value, &valueLength) &&
            value != nullptr) {
            // valueLength counts characters; the text need not be terminated within it.
            const size_t limit = valueLength < kPathCapacity - 1 ? valueLength : kPathCapacity - 1;
            CopyTextPrefix(company, companyCapacity, static_cast<const wchar_t*>(value), limit);
        }
    }
    return 1;
}

int VersionThousandths(const wchar_t* versionText) {
    const float number = static_cast<float>(std::wcstod(versionText, nullptr));
    const float thousandths = number * 1000.0f;
    // Version texts are made of two 16-bit parts; anything beyond int is no version.
    if (!(thousandths < 2147483520.0f)) return 2147483647;
    if (!(thousandths > -2147483520.0f)) return -2147483647 - 1;
    return static_cast<int>(thousandths);
}

int DecideKeepIconsLibrary(const wchar_t* path) {
    wchar_t version[kPathCapacity] = {};
    wchar_t company[kPathCapacity] = {};
    if (ReadFileVersion(path, version, kPathCapacity, company, kPathCapacity) != 1) return 0;

    const int reference = VersionThousandths(kIconsLibraryReferenceVersion);
    const int installed = VersionThousandths(version);
    const bool ours = _wcsicmp(company, kCompanyName) == 0;
    if (installed > reference) return 1;
    if (installed < reference) return ours ? 0 : 1;
    // Same version: only the very library we shipped is ours to replace.
    const long long size = FileSize(path);
    if (size < 0) return 1;
    return (ours && size == kIconsLibraryShippedSize) ? 0 : 1;
}

}  // namespace lumetra
