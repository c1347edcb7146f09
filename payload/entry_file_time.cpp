#include "payload/entry_file_time.h"

#include <windows.h>

#include "framework/handles.h"

namespace lumetra {

void SetEntryFileTime(const wchar_t* path, uint32_t dosDateTime) {
    UniqueFileHandle file(CreateFileW(path, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    FILETIME creation = {};
    FILETIME lastAccess = {};
    FILETIME lastWrite = {};
    GetFileTime(file.get(), &creation, &lastAccess, &lastWrite);

    FILETIME local = {};
    FILETIME universal = {};
    if (!DosDateTimeToFileTime(HIWORD(dosDateTime), LOWORD(dosDateTime), &local)) return;
    if (!LocalFileTimeToFileTime(&local, &universal)) return;
    SetFileTime(file.get(), &universal, &lastAccess, &universal);
}

}  // namespace lumetra
