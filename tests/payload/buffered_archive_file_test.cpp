#include "payload/buffered_archive_file.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include <iowin32.h>

#include "tests/support/temp_folder.h"

namespace lumetra {
namespace {

using test::TempFolder;
using test::WriteFileBytes;

constexpr size_t kBlock = BufferedArchiveFiles::kBlockSize;

// Win32 file functions that count the reads reaching the file.
struct CountingFiles {
    zlib_filefunc64_def win32 = {};
    int reads = 0;
};

uLong ZCALLBACK CountedRead(voidpf opaque, voidpf stream, void* buffer, uLong size) {
    CountingFiles& counting = *static_cast<CountingFiles*>(opaque);
    ++counting.reads;
    return counting.win32.zread_file(counting.win32.opaque, stream, buffer, size);
}

class BufferedArchiveFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (size_t i = 0; i < 3 * kBlock + 100; ++i) content_ += static_cast<char>((i * 7 + i / 251) & 0xFF);
        WriteFileBytes(folder_ / L"archive.zip", content_);
        fill_win32_filefunc64W(&counting_.win32);
        inner_ = counting_.win32;
        inner_.zread_file = CountedRead;
        inner_.opaque = &counting_;
    }

    std::string content_;
    TempFolder folder_;
    CountingFiles counting_;
    zlib_filefunc64_def inner_ = {};
};

TEST_F(BufferedArchiveFileTest, ReadsAndSeeksGiveTheFilesBytes) {
    BufferedArchiveFiles buffered(inner_);
    zlib_filefunc64_def files = buffered.Functions();
    const std::wstring path = folder_ / L"archive.zip";
    voidpf stream = files.zopen64_file(files.opaque, path.c_str(),
                                       ZLIB_FILEFUNC_MODE_READ | ZLIB_FILEFUNC_MODE_EXISTING);
    ASSERT_NE(stream, nullptr);

    // (seek origin, offset, bytes to read, expected file offset of the bytes, bytes read)
    const struct {
        int origin;
        ZPOS64_T offset;
        uLong size;
        size_t expectedAt;
        uLong expectedCount;
    } steps[] = {
        {ZLIB_FILEFUNC_SEEK_SET, 0, 4, 0, 4},
        {ZLIB_FILEFUNC_SEEK_SET, kBlock - 2, 4, kBlock - 2, 4},        // across a block's end
        {ZLIB_FILEFUNC_SEEK_CUR, 10, 1, kBlock + 12, 1},
        {ZLIB_FILEFUNC_SEEK_SET, 5, static_cast<uLong>(kBlock), 5, static_cast<uLong>(kBlock)},  // large
        {ZLIB_FILEFUNC_SEEK_SET, 3, 2, 3, 2},                           // back into an old block
        {ZLIB_FILEFUNC_SEEK_END, 0, 0, content_.size(), 0},
        {ZLIB_FILEFUNC_SEEK_END, static_cast<ZPOS64_T>(-22), 22, content_.size() - 22, 22},
        {ZLIB_FILEFUNC_SEEK_SET, content_.size() - 3, 10, content_.size() - 3, 3},  // short at the end
        {ZLIB_FILEFUNC_SEEK_SET, content_.size() + 5, 1, 0, 0},         // beyond the end
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(testing::Message() << "origin " << step.origin << " offset " << step.offset);
        ASSERT_EQ(files.zseek64_file(files.opaque, stream, step.offset, step.origin), 0);
        std::string got(step.size, '\0');
        ASSERT_EQ(files.zread_file(files.opaque, stream, got.data(), step.size), step.expectedCount);
        got.resize(step.expectedCount);
        EXPECT_EQ(got, content_.substr(step.expectedAt, step.expectedCount));
        if (step.expectedCount > 0) {
            EXPECT_EQ(files.ztell64_file(files.opaque, stream), step.expectedAt + step.expectedCount);
        }
    }
    EXPECT_EQ(files.zclose_file(files.opaque, stream), 0);
}

TEST_F(BufferedArchiveFileTest, SmallReadsReachTheFileOncePerBlock) {
    BufferedArchiveFiles buffered(inner_);
    zlib_filefunc64_def files = buffered.Functions();
    const std::wstring path = folder_ / L"archive.zip";
    voidpf stream = files.zopen64_file(files.opaque, path.c_str(),
                                       ZLIB_FILEFUNC_MODE_READ | ZLIB_FILEFUNC_MODE_EXISTING);
    ASSERT_NE(stream, nullptr);
    std::string all;
    char byte = 0;
    while (files.zread_file(files.opaque, stream, &byte, 1) == 1) all += byte;
    EXPECT_EQ(all, content_);
    EXPECT_EQ(counting_.reads, 5);  // four blocks, the last one short, and the end
    files.zclose_file(files.opaque, stream);
}

TEST_F(BufferedArchiveFileTest, AMissingFileDoesNotOpen) {
    BufferedArchiveFiles buffered(inner_);
    zlib_filefunc64_def files = buffered.Functions();
    const std::wstring path = folder_ / L"missing.zip";
    EXPECT_EQ(files.zopen64_file(files.opaque, path.c_str(), ZLIB_FILEFUNC_MODE_READ | ZLIB_FILEFUNC_MODE_EXISTING),
              nullptr);
}

}  // namespace
}  // namespace lumetra
