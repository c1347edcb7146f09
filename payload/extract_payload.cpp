#include "payload/extract_payload.h"

#include <windows.h>

#include <cstdio>

// iowin32.h needs the declarations of unzip.h (ioapi.h) before it.
#include <unzip.h>
#include <iowin32.h>

#include "app/build_constants.h"
#include "app/text_buffer.h"
#include "framework/handles.h"
#include "payload/buffered_archive_file.h"
#include "payload/entry_walk.h"
#include "res/resource.h"

namespace lumetra {
namespace {

struct ArchiveTraits {
    using Handle = unzFile;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle archive) { unzClose(archive); }
};
using UniqueArchive = UniqueResource<ArchiveTraits>;

struct PayloadBytes {
    const void* data = nullptr;
    DWORD size = 0;
};

// The payload resource of the running program; size 0 when it is missing or empty.
PayloadBytes FindPayload() {
    PayloadBytes payload;
    const HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(IDR_PAYLOAD), L"ZIP");
    if (!found) return payload;
    HGLOBAL loaded = LoadResource(module, found);
    if (!loaded) return payload;
    payload.data = LockResource(loaded);
    if (payload.data) payload.size = SizeofResource(module, found);
    return payload;
}

// "<temporary folder>\lumeng_x64.zip". False when the system reports no temporary folder
// or the path does not fit: the copy is then never written to some other place.
bool PayloadTempPath(wchar_t (&path)[kFolderTextCapacity]) {
    const DWORD length = GetTempPathW(kFolderTextCapacity - 1, path);
    if (length == 0 || length > kFolderTextCapacity - 1) return false;
    if (!EndsWithBackslash(path) && !AppendText(path, L"\\")) return false;
    return AppendText(path, kPayloadTempFileName);
}

}  // namespace

int ExtractPayload(const wchar_t* targetFolder, int keepIconsLibrary) {
    const PayloadBytes payload = FindPayload();
    if (payload.size == 0) return -1;

    wchar_t tempPath[kFolderTextCapacity];
    if (!PayloadTempPath(tempPath)) return -1;
    UniqueStdioFile copy(_wfopen(tempPath, L"wb"));
    if (!copy) return -1;
    // A copy cut short is a failure of its own: minizip reads past the end of a file as
    // zeros (its UNZ_EOF is 0), so a copy that lost only its last bytes would still open,
    // unpack nothing and look like success.
    const bool written = std::fwrite(payload.data, payload.size, 1, copy.get()) == 1;
    const bool closed = std::fclose(copy.release()) == 0;
    if (!written || !closed) {
        DeleteFileW(tempPath);
        return -1;
    }
    const int result = UnpackArchive(tempPath, targetFolder, keepIconsLibrary);
    DeleteFileW(tempPath);
    return result;
}

int UnpackArchive(const wchar_t* archivePath, const wchar_t* targetFolder, int keepIconsLibrary) {
    if (archivePath == nullptr) return -1;
    zlib_filefunc64_def win32 = {};
    fill_win32_filefunc64W(&win32);
    // Declared before the archive, so that it outlives it.
    BufferedArchiveFiles buffered(win32);
    zlib_filefunc64_def functions = buffered.Functions();
    UniqueArchive archive(unzOpen2_64(archivePath, &functions));
    if (!archive) return -1;
    if (targetFolder == nullptr || !SetCurrentDirectoryW(targetFolder)) return -1;
    return ExtractAllEntries(archive.get(), keepIconsLibrary);
}

}  // namespace lumetra
