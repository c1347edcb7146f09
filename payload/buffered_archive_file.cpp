#include "payload/buffered_archive_file.h"

#include <cstring>
#include <memory>
#include <new>

namespace lumetra {
namespace {

// One open file: the inner stream, the block and where the reader stands.
struct BufferedFile {
    voidpf inner = nullptr;
    std::unique_ptr<unsigned char[]> block;
    ZPOS64_T blockStart = 0;  // file offset of block[0]
    size_t blockLength = 0;   // valid bytes in block
    ZPOS64_T position = 0;    // the reader's position
    ZPOS64_T innerPosition = 0;  // where the inner stream stands
    bool sizeKnown = false;
    ZPOS64_T size = 0;
};

const zlib_filefunc64_def& Inner(voidpf opaque) { return static_cast<BufferedArchiveFiles*>(opaque)->inner(); }

// Moves the inner stream to the reader's position when it stands elsewhere.
bool PlaceInner(voidpf opaque, BufferedFile& file) {
    if (file.innerPosition == file.position) return true;
    const zlib_filefunc64_def& inner = Inner(opaque);
    if (inner.zseek64_file(inner.opaque, file.inner, file.position, ZLIB_FILEFUNC_SEEK_SET) != 0) return false;
    file.innerPosition = file.position;
    return true;
}

uLong ReadInner(voidpf opaque, BufferedFile& file, void* buffer, uLong size) {
    if (!PlaceInner(opaque, file)) return 0;
    const zlib_filefunc64_def& inner = Inner(opaque);
    const uLong got = inner.zread_file(inner.opaque, file.inner, buffer, size);
    file.innerPosition += got;
    return got;
}

voidpf ZCALLBACK Open(voidpf opaque, const void* filename, int mode) {
    std::unique_ptr<BufferedFile> file(new (std::nothrow) BufferedFile);
    if (!file) return nullptr;
    file->block.reset(new (std::nothrow) unsigned char[BufferedArchiveFiles::kBlockSize]);
    if (!file->block) return nullptr;
    const zlib_filefunc64_def& inner = Inner(opaque);
    file->inner = inner.zopen64_file(inner.opaque, filename, mode);
    if (!file->inner) return nullptr;
    return file.release();
}

uLong ZCALLBACK Read(voidpf opaque, voidpf stream, void* buffer, uLong size) {
    BufferedFile& file = *static_cast<BufferedFile*>(stream);
    unsigned char* out = static_cast<unsigned char*>(buffer);
    uLong done = 0;
    while (done < size) {
        const bool inBlock = file.position >= file.blockStart && file.position < file.blockStart + file.blockLength;
        if (inBlock) {
            const size_t offset = static_cast<size_t>(file.position - file.blockStart);
            size_t count = file.blockLength - offset;
            if (count > size - done) count = size - done;
            std::memcpy(out + done, file.block.get() + offset, count);
            done += static_cast<uLong>(count);
            file.position += count;
            continue;
        }
        const uLong rest = size - done;
        if (rest >= BufferedArchiveFiles::kBlockSize) {  // large: straight into the caller's buffer
            const uLong got = ReadInner(opaque, file, out + done, rest);
            done += got;
            file.position += got;
            break;
        }
        file.blockStart = file.position;
        file.blockLength = ReadInner(opaque, file, file.block.get(), BufferedArchiveFiles::kBlockSize);
        if (file.blockLength == 0) break;  // end of the file or an error
    }
    return done;
}

uLong ZCALLBACK Write(voidpf, voidpf, const void*, uLong) { return 0; }  // the archive is only read

ZPOS64_T ZCALLBACK Tell(voidpf, voidpf stream) { return static_cast<BufferedFile*>(stream)->position; }

long ZCALLBACK Seek(voidpf opaque, voidpf stream, ZPOS64_T offset, int origin) {
    BufferedFile& file = *static_cast<BufferedFile*>(stream);
    switch (origin) {
        case ZLIB_FILEFUNC_SEEK_SET: file.position = offset; return 0;
        case ZLIB_FILEFUNC_SEEK_CUR: file.position += offset; return 0;
        case ZLIB_FILEFUNC_SEEK_END: break;
        default: return -1;
    }
    if (!file.sizeKnown) {
        const zlib_filefunc64_def& inner = Inner(opaque);
        if (inner.zseek64_file(inner.opaque, file.inner, 0, ZLIB_FILEFUNC_SEEK_END) != 0) return -1;
        const ZPOS64_T size = inner.ztell64_file(inner.opaque, file.inner);
        if (size == static_cast<ZPOS64_T>(-1)) return -1;
        file.size = size;
        file.innerPosition = size;
        file.sizeKnown = true;
    }
    file.position = file.size + offset;
    return 0;
}

int ZCALLBACK Close(voidpf opaque, voidpf stream) {
    std::unique_ptr<BufferedFile> file(static_cast<BufferedFile*>(stream));
    const zlib_filefunc64_def& inner = Inner(opaque);
    return inner.zclose_file(inner.opaque, file->inner);
}

int ZCALLBACK Error(voidpf opaque, voidpf stream) {
    const zlib_filefunc64_def& inner = Inner(opaque);
    return inner.zerror_file(inner.opaque, static_cast<BufferedFile*>(stream)->inner);
}

}  // namespace

BufferedArchiveFiles::BufferedArchiveFiles(const zlib_filefunc64_def& inner) : inner_(inner) {}

zlib_filefunc64_def BufferedArchiveFiles::Functions() {
    zlib_filefunc64_def functions = {};
    functions.zopen64_file = Open;
    functions.zread_file = Read;
    functions.zwrite_file = Write;
    functions.ztell64_file = Tell;
    functions.zseek64_file = Seek;
    functions.zclose_file = Close;
    functions.zerror_file = Error;
    functions.opaque = this;
    return functions;
}

}  // namespace lumetra
