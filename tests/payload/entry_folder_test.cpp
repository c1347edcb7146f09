#include "payload/entry_folder.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "tests/support/temp_folder.h"

namespace lumetra {
namespace {

using test::FolderExists;
using test::ScopedCurrentFolder;
using test::TempFolder;

TEST(MakeEntryFolder, CreatesEveryComponentBelowTheCurrentFolder) {
    TempFolder scratch;
    ScopedCurrentFolder inside(scratch.path());
    CreateDirectoryW(L"exists", nullptr);
    const struct {
        const wchar_t* path;
        int result;
        const wchar_t* made;
    } cases[] = {
        {L"one", 1, L"one"},
        {L"a/b/c/", 1, L"a\\b\\c"},
        {L"d\\e\\f", 1, L"d\\e\\f"},
        {L"g/h\\i\\", 1, L"g\\h\\i"},
        {L"exists", 1, L"exists"},
        {L"exists/new", 1, L"exists\\new"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MakeEntryFolder(c.path), c.result) << testing::PrintToString(std::wstring(c.path));
        EXPECT_TRUE(FolderExists(scratch / c.made)) << testing::PrintToString(std::wstring(c.made));
    }
}

TEST(MakeEntryFolder, StopsWhereAFolderAboveIsMissing) {
    TempFolder scratch;
    ScopedCurrentFolder inside(scratch.path());
    test::WriteFileBytes(scratch / L"file.txt", "kein Ordner");
    EXPECT_EQ(MakeEntryFolder(L"file.txt/sub/deeper"), 0);
    EXPECT_EQ(MakeEntryFolder(L""), 0);
    EXPECT_EQ(MakeEntryFolder(nullptr), 0);
}

}  // namespace
}  // namespace lumetra
