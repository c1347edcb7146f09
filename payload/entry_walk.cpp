#include "payload/entry_walk.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <new>

#include "framework/handles.h"
#include "payload/entry_file_time.h"
#include "payload/entry_folder.h"
#include "payload/entry_names.h"

namespace lumetra {
namespace {

enum class Walk { Continue, Stop };

Walk ContinueIf(bool condition) { return condition ? Walk::Continue : Walk::Stop; }

// Opens the output file for an entry; when that fails and the name has a folder part,
// makes its folders and tries once more.
UniqueStdioFile OpenOutputFile(const char* name, size_t leaf, const wchar_t* wideName) {
    UniqueStdioFile output(_wfopen(wideName, L"wb"));
    if (output || leaf == 0) return output;

    char folder[kEntryNameCapacity] = {};
    std::memcpy(folder, name, leaf - 1);  // cut just before the last separator
    wchar_t wideFolder[kWideEntryNameCapacity];
    if (WidenEntryName(folder, wideFolder)) MakeEntryFolder(wideFolder);  // result not needed
    output.reset(_wfopen(wideName, L"wb"));
    return output;
}

// Copies the open member to the output file. Returns 0, a negative read error or
// UNZ_ERRNO for a failed write.
int CopyMember(unzFile archive, FILE* output, unsigned char* block) {
    for (;;) {
        const int got = unzReadCurrentFile(archive, block, kCopyBlockSize);
        if (got < 0) return got;
        if (got == 0) return UNZ_OK;
        if (std::fwrite(block, static_cast<size_t>(got), 1, output) != 1) return UNZ_ERRNO;
    }
}

Walk ExtractFileEntry(unzFile archive, const char* name, size_t leaf, const wchar_t* wideName,
                      uint32_t dosDateTime, unsigned char* block) {
    if (unzOpenCurrentFilePassword(archive, nullptr) != UNZ_OK) {
        unzCloseCurrentFile(archive);
        return Walk::Stop;
    }
    UniqueStdioFile output = OpenOutputFile(name, leaf, wideName);
    if (!output) {
        // A file that cannot be created (read-only, locked) is left as it is.
        return ContinueIf(unzCloseCurrentFile(archive) == UNZ_OK);
    }
    const int error = CopyMember(archive, output.get(), block);
    output.reset();
    if (error != UNZ_OK) {
        unzCloseCurrentFile(archive);  // the partly written file stays
        return Walk::Stop;
    }
    SetEntryFileTime(wideName, dosDateTime);
    // The CRC is checked on close: a mismatch keeps the written file but ends the walk.
    return ContinueIf(unzCloseCurrentFile(archive) == UNZ_OK);
}

Walk ExtractCurrentEntry(unzFile archive, int keepIconsLibrary) {
    char name[kEntryNameCapacity] = {};
    unz_file_info64 info = {};
    if (unzGetCurrentFileInfo64(archive, &info, name, sizeof(name), nullptr, 0, nullptr, 0) != UNZ_OK) {
        return Walk::Stop;
    }
    // A name that did not fit arrives cut and unterminated: skip the entry rather than
    // write it under a wrong name.
    if (info.size_filename >= sizeof(name)) return Walk::Continue;
    if (keepIconsLibrary == 1 && NamesIconsLibrary(name)) return Walk::Continue;

    wchar_t wideName[kWideEntryNameCapacity];
    if (!WidenEntryName(name, wideName)) return Walk::Continue;
    if (LeavesTargetFolder(wideName)) return Walk::Continue;

    std::unique_ptr<unsigned char[]> block(new (std::nothrow) unsigned char[kCopyBlockSize]);
    if (!block) return Walk::Stop;

    const size_t leaf = LeafOffset(name);
    if (name[leaf] == '\0') {
        CreateDirectoryW(wideName, nullptr);  // an existing folder is fine
        return Walk::Continue;
    }
    return ExtractFileEntry(archive, name, leaf, wideName, static_cast<uint32_t>(info.dosDate), block.get());
}

}  // namespace

int ExtractAllEntries(unzFile archive, int keepIconsLibrary) {
    unz_global_info64 global = {};
    unzGetGlobalInfo64(archive, &global);
    for (ZPOS64_T index = 0; index < global.number_entry;) {
        if (ExtractCurrentEntry(archive, keepIconsLibrary) == Walk::Stop) break;
        ++index;
        if (index < global.number_entry && unzGoToNextFile(archive) != UNZ_OK) break;
    }
    return 0;
}

}  // namespace lumetra
