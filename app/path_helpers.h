// Helpers for folder texts typed by a user or read from the system. They work in place
// on caller-owned buffers of kFolderTextCapacity (520) characters and treat 260
// characters as the working limit of a path.
#pragma once

#include <cstddef>

namespace lumetra {

// Removes trailing spaces (U+0020 only); leading spaces too while the text is shorter
// than 260 characters.
void TrimSpaces(wchar_t* text);

// For option values: trailing spaces, then at most one double quote at each end, then
// trailing spaces again. Leading spaces stay.
void TrimAndUnquote(wchar_t* text);

// Trims the folder, makes it end with a backslash and creates every missing folder of
// it. Returns 1 when the folder exists afterwards, else 0. The process's current
// directory is the same before and after the call.
int EnsureDirectory(wchar_t* path);

// Appends the drive and folder of a file path to out (empty on entry), with a trailing
// backslash. A path without drive and folder leaves out empty.
void DirectoryOfPath(const wchar_t* path, wchar_t* out);

// The parts of a path as the run-time library splits it. When a part does not fit its
// limit, every part comes out empty and the result is false.
struct SplitPathParts {
    wchar_t drive[3];
    wchar_t folder[256];
    wchar_t name[256];
    wchar_t extension[256];
};
bool SplitPath(const wchar_t* path, SplitPathParts& parts);

}  // namespace lumetra
