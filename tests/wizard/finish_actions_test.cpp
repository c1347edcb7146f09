#include "wizard/finish_actions.h"

#include <gtest/gtest.h>

#include <string>

#include "app/text_buffer.h"

namespace lumetra {
namespace {

TEST(BuildViewerPath, PutsOneBackslashBetweenFolderAndViewer) {
    const struct {
        std::wstring folder;
        const wchar_t* path;
    } cases[] = {
        {L"C:\\Programme\\Lumetra", L"C:\\Programme\\Lumetra\\lu_main64.exe"},
        {L"C:\\Programme\\Lumetra\\", L"C:\\Programme\\Lumetra\\lu_main64.exe"},
        {L" D:\\Lumetra ", L" D:\\Lumetra \\lu_main64.exe"},  // as typed, not trimmed
        {L"", L"\\lu_main64.exe"},
    };
    for (const auto& c : cases) {
        wchar_t path[kPathCapacity];
        EXPECT_TRUE(BuildViewerPath(c.folder.c_str(), path)) << c.folder;
        EXPECT_EQ(std::wstring(path), c.path);
    }
}

TEST(BuildViewerPath, RefusesAPathBeyond259Characters) {
    // "\lu_main64.exe" has 14 characters.
    const std::wstring fits = L"C:\\" + std::wstring(242, L'x');
    wchar_t path[kPathCapacity];
    ASSERT_TRUE(BuildViewerPath(fits.c_str(), path));
    EXPECT_EQ(std::wstring(path).size(), 259u);
    EXPECT_FALSE(BuildViewerPath((fits + L"x").c_str(), path));
    EXPECT_FALSE(BuildViewerPath((fits + L"x\\").c_str(), path));
    EXPECT_FALSE(BuildViewerPath(std::wstring(300, L'x').c_str(), path));
}

}  // namespace
}  // namespace lumetra
