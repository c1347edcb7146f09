#include "payload/entry_names.h"

#include <gtest/gtest.h>

#include <string>

namespace lumetra {
namespace {

TEST(LeavesTargetFolder, RefusesEveryWayOut) {
    const struct {
        const wchar_t* name;
        bool leaves;
    } cases[] = {
        {L"lu_main64.exe", false},
        {L"Plugins/Icons.dll", false},
        {L"Languages/", false},
        {L"a\\b\\c.txt", false},
        {L"..name.txt", false},  // dots inside a name are harmless
        {L"a/..b/c", false},
        {L"./a.txt", false},
        {L"..", true},
        {L"../a.txt", true},
        {L"..\\a.txt", true},
        {L"a/../../b.txt", true},
        {L"a\\..", true},
        {L"a/.../b", true},
        {L"a/.. /b", true},
        {L"a/. ./b", true},
        {L"/a.txt", true},
        {L"\\a.txt", true},
        {L"\\\\server\\share\\a.txt", true},
        {L"\\\\?\\C:\\a.txt", true},
        {L"C:a.txt", true},
        {L"C:/a.txt", true},
        {L"a.txt:stream", true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LeavesTargetFolder(c.name), c.leaves) << testing::PrintToString(std::wstring(c.name));
    }
}

TEST(NamesIconsLibrary, IsASubstringTestOnAsciiLowerCase) {
    EXPECT_TRUE(NamesIconsLibrary("Plugins/Icons.dll"));
    EXPECT_TRUE(NamesIconsLibrary("Plugins/ICONS.DLL"));
    EXPECT_TRUE(NamesIconsLibrary("x/myicons.dll.bak"));
    EXPECT_TRUE(NamesIconsLibrary("iconS.Dll"));
    EXPECT_FALSE(NamesIconsLibrary("Plugins/Icon.dll"));
    EXPECT_FALSE(NamesIconsLibrary("Plugins/Icons_dll"));
    EXPECT_FALSE(NamesIconsLibrary("icons.dl"));
    EXPECT_FALSE(NamesIconsLibrary(""));
}

TEST(WidenEntryName, TakesAtMost323Characters) {
    wchar_t wide[kWideEntryNameCapacity];
    EXPECT_TRUE(WidenEntryName(std::string(323, 'a').c_str(), wide));
    EXPECT_EQ(std::wstring(wide), std::wstring(323, L'a'));
    EXPECT_FALSE(WidenEntryName(std::string(324, 'a').c_str(), wide));
    EXPECT_EQ(wide[0], L'\0');
}

}  // namespace
}  // namespace lumetra
