#pragma once

namespace lumetra {

// Creates a folder path relative to the current directory, one component at a time (a
// trailing slash is dropped first). Returns 1 when the whole path was created at once or
// every component was attempted, 0 for an empty path or when a component failed because
// a folder above it is missing, and -104 (UNZ_INTERNALERROR) when no working copy of the
// path could be allocated.
int MakeEntryFolder(const wchar_t* path);

}  // namespace lumetra
