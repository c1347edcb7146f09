// Read-ahead between minizip and its file functions. minizip reads the header of every
// entry a field at a time, one to four bytes per read, and every read of the Win32 file
// functions is a system call of its own: tens of thousands of them for an archive of a
// few hundred entries. This layer serves such reads from a block held in memory and
// passes large reads through; the file is still read with the functions it wraps.
#pragma once

#include <cstddef>

#include <unzip.h>

namespace lumetra {

class BufferedArchiveFiles {
public:
    // Size of the block read ahead of small reads; reads of at least this size go to
    // the file directly.
    static constexpr size_t kBlockSize = 64 * 1024;

    // inner: filled file functions (such as fill_win32_filefunc64W's), copied.
    explicit BufferedArchiveFiles(const zlib_filefunc64_def& inner);
    BufferedArchiveFiles(const BufferedArchiveFiles&) = delete;
    BufferedArchiveFiles& operator=(const BufferedArchiveFiles&) = delete;

    // File functions that read through the block; this object must outlive every file
    // opened with them.
    zlib_filefunc64_def Functions();

    const zlib_filefunc64_def& inner() const { return inner_; }

private:
    zlib_filefunc64_def inner_;
};

}  // namespace lumetra
