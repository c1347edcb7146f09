// UnpackArchive's refusals, and ExtractPayload in a program that carries no payload.
#include "payload/extract_payload.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/temp_folder.h"
#include "tests/support/zip_writer.h"

namespace lumetra {
namespace {

using test::CurrentFolder;
using test::FolderContent;
using test::ScopedCurrentFolder;
using test::TempFolder;
using Names = std::vector<std::wstring>;

TEST(UnpackArchive, UnreadableArchivesGiveMinusOneAndTouchNothing) {
    TempFolder scratch;
    const std::wstring target = scratch / L"target";
    CreateDirectoryW(target.c_str(), nullptr);
    const std::string archive = test::ZipArchiveBytes({test::FileEntry("a.txt", "a")});
    test::WriteFileBytes(scratch / L"garbage.zip", "Dies ist kein ZIP-Archiv.");
    // Cut before its end record, the archive has no directory left to open.
    test::WriteFileBytes(scratch / L"truncated.zip", archive.substr(0, archive.size() / 2));
    test::WriteFileBytes(scratch / L"empty.zip", "");

    for (const wchar_t* name : {L"garbage.zip", L"truncated.zip", L"empty.zip", L"missing.zip"}) {
        SCOPED_TRACE(testing::Message() << name);
        const std::wstring before = CurrentFolder();
        EXPECT_EQ(UnpackArchive((scratch / name).c_str(), target.c_str(), 0), -1);
        EXPECT_EQ(CurrentFolder(), before);
    }
    EXPECT_EQ(UnpackArchive(nullptr, target.c_str(), 0), -1);
    EXPECT_EQ(FolderContent(target), Names{});
}

TEST(UnpackArchive, MissingTargetGivesMinusOneAndClosesTheArchive) {
    TempFolder scratch;
    const std::wstring archive = scratch / L"payload.zip";
    test::WriteZipArchive(archive, {test::FileEntry("a.txt", "a")});
    const std::wstring before = CurrentFolder();
    EXPECT_EQ(UnpackArchive(archive.c_str(), (scratch / L"fehlt").c_str(), 0), -1);
    EXPECT_EQ(CurrentFolder(), before);
    // An archive still open could not be deleted.
    EXPECT_TRUE(DeleteFileW(archive.c_str()));
}

TEST(UnpackArchive, EntersTheTargetAndStaysThere) {
    TempFolder scratch;
    const std::wstring archive = scratch / L"payload.zip";
    test::WriteZipArchive(archive, {test::FileEntry("a.txt", "a")});
    ScopedCurrentFolder restore(CurrentFolder());
    EXPECT_EQ(UnpackArchive(archive.c_str(), scratch.path().c_str(), 0), 0);
    EXPECT_EQ(CurrentFolder(), scratch.path());
    EXPECT_TRUE(DeleteFileW(archive.c_str())) << "the archive was left open";
}

TEST(ExtractPayload, ProgramWithoutPayloadGivesMinusOne) {
    TempFolder target;
    EXPECT_EQ(ExtractPayload(target.path().c_str(), 0), -1);
    EXPECT_EQ(FolderContent(target.path()), Names{});
}

}  // namespace
}  // namespace lumetra
