#include "app/command_line.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "app/build_constants.h"
#include "tests/support/registry_sandbox.h"

namespace lumetra {
namespace {

constexpr wchar_t kSetup[] = L"\"C:\\Downloads\\lumetra-4.59-x64-setup.exe\" ";

std::wstring Value(const std::wstring& line, const wchar_t* option, bool* found = nullptr) {
    wchar_t value[kOptionTextLimit + 1];
    const bool present = ReadOptionValue(line.c_str(), option, value, std::size(value));
    if (found) *found = present;
    return value;
}

TEST(HasSilentSwitch, CaseSensitiveAnywhere) {
    EXPECT_TRUE(HasSilentSwitch(L"setup.exe /silent"));
    EXPECT_TRUE(HasSilentSwitch(L"setup.exe /folder=C:\\x/silent"));
    EXPECT_TRUE(HasSilentSwitch(L"setup.exe /silently"));
    EXPECT_FALSE(HasSilentSwitch(L"setup.exe /SILENT"));
    EXPECT_FALSE(HasSilentSwitch(L"setup.exe -silent"));
}

TEST(ReadOptionValue, Rules) {
    struct Case {
        std::wstring line;
        const wchar_t* option;
        bool found;
        std::wstring value;
    };
    const Case cases[] = {
        {L"x /desktop=1 /group=0", L"/desktop=", true, L"1 "},        // spaces belong to the value
        {L"x /folder=\"C:\\My Tools\" /desktop=1", L"/folder=", true, L"\"C:\\My Tools\" "},
        {L"x /folder=C:/Tools", L"/folder=", true, L"C:"},            // cut at the first "/"
        {L"x /folder=", L"/folder=", true, L""},
        {L"x /folder=/desktop=1", L"/folder=", true, L""},
        {L"x /group=1 /group=0", L"/group=", true, L"1 "},            // first occurrence counts
        {L"x /ini=a/thumbs=1", L"/thumbs=", true, L"1"},              // right after another value
        {L"x /desktop 1", L"/desktop=", false, L""},
        {L"x /Desktop=1", L"/desktop=", false, L""},                  // case-sensitive
    };
    for (const Case& c : cases) {
        bool found = false;
        EXPECT_EQ(Value(c.line, c.option, &found), c.value) << ::testing::PrintToString(c.line);
        EXPECT_EQ(found, c.found) << ::testing::PrintToString(c.line);
    }
}

TEST(ReadOptionValue, OptionAndValueHoldAtMost260Characters) {
    const std::wstring longValue(400, L'a');
    EXPECT_EQ(Value(L"x /folder=" + longValue, L"/folder=").size(), 252u);
    EXPECT_EQ(Value(L"x /ini=" + longValue, L"/ini=").size(), 255u);
    EXPECT_EQ(Value(L"x /desktop=" + longValue, L"/desktop=").size(), 251u);
}

TEST(ParseDecimal, Cases) {
    struct Case {
        const wchar_t* text;
        int value;
    };
    const Case cases[] = {
        {L"1", 1},      {L"2 ", 2},     {L"  7", 7},   {L"+3", 3},        {L"-4", -4},
        {L"ja", 0},     {L"", 0},       {L"12abc", 12}, {L"1 2", 1},      {L"\t9", 9},
        {L"99999999999", INT_MAX},      {L"-99999999999", INT_MIN},       {L"- 1", 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParseDecimal(c.text), c.value) << ::testing::PrintToString(std::wstring(c.text));
    }
}

InstallRequest Parse(const std::wstring& options) {
    InstallRequest request;
    request.Silent = 1;
    CopyText(request.TargetFolder, L"C:\\Program Files\\Lumetra");
    CopyText(request.IniFolder, kAppDataSettingsFolder);
    ParseSilentOptions((kSetup + options).c_str(), request);
    return request;
}

TEST(ParseSilentOptions, FillsEveryField) {
    const InstallRequest request =
        Parse(L"/silent /folder=\"D:\\Bilder Tools\" /desktop=1 /thumbs=2 /group=1 /allusers=1 /ini=\" %LOCALAPPDATA%\\Lum\"");
    EXPECT_STREQ(request.TargetFolder, L"D:\\Bilder Tools");
    EXPECT_EQ(request.DesktopShortcut, 1);
    EXPECT_EQ(request.ThumbnailsShortcut, 2);
    EXPECT_EQ(request.StartMenuShortcut, 1);
    EXPECT_EQ(request.AllUsers, 1);
    EXPECT_STREQ(request.IniFolder, L" %LOCALAPPDATA%\\Lum");
    EXPECT_EQ(request.AssociateFiles, 0);
}

TEST(ParseSilentOptions, AbsentOptionsKeepTheDefaults) {
    const InstallRequest request = Parse(L"/silent /assocallusers");
    EXPECT_STREQ(request.TargetFolder, L"C:\\Program Files\\Lumetra");
    EXPECT_STREQ(request.IniFolder, kAppDataSettingsFolder);
    EXPECT_EQ(request.DesktopShortcut + request.ThumbnailsShortcut + request.StartMenuShortcut +
                  request.AllUsers + request.AssociateFiles,
              0);
    EXPECT_FALSE(request.Selection.AnySelected());
}

TEST(ParseSilentOptions, EmptyFolderValuesReplaceTheDefaults) {
    const InstallRequest request = Parse(L"/silent /folder= /ini=");
    EXPECT_STREQ(request.TargetFolder, L"");
    EXPECT_STREQ(request.IniFolder, L"");
}

TEST(ParseSilentOptions, AssociationPresets) {
    struct Case {
        const wchar_t* option;
        int associate;
        size_t selectedRows;
        bool lastRowSelected;
    };
    const Case cases[] = {
        {L"/assoc=1", 1, ImageRowCount, false},
        {L"/assoc=2", 1, kFileTypeRowCount, true},
        {L"/assoc=3", 0, 0, false},
        {L"/assoc=", 0, 0, false},
    };
    for (const Case& c : cases) {
        const InstallRequest request = Parse(std::wstring(L"/silent ") + c.option);
        size_t selected = 0;
        for (size_t row = 0; row < kFileTypeRowCount; ++row) selected += request.Selection.IsSelected(row);
        EXPECT_EQ(request.AssociateFiles, c.associate) << c.option;
        EXPECT_EQ(selected, c.selectedRows) << c.option;
        EXPECT_EQ(request.Selection.IsSelected(kFileTypeRowCount - 1), c.lastRowSelected) << c.option;
        if (c.selectedRows == ImageRowCount) {
            EXPECT_TRUE(request.Selection.IsSelected(ImageRowCount - 1));
            EXPECT_FALSE(request.Selection.IsSelected(ImageRowCount));
        }
    }
}

TEST(ParseSilentOptions, OnlyTheFirst519CharactersAreSeen) {
    const std::wstring padding(519 - std::wstring(kSetup).size() - 8, L' ');
    // "/silent" ends inside the limit, "/group=1" starts just beyond it
    const InstallRequest request = Parse(L"/silent " + padding + L"/group=1");
    EXPECT_EQ(request.StartMenuShortcut, 0);
    const InstallRequest inside = Parse(L"/silent " + padding.substr(8) + L"/group=1");
    EXPECT_EQ(inside.StartMenuShortcut, 1);
}

TEST(ApplySilentDefaults, FreshMachineUsesTheDefaultFolderAndAppData) {
    test::RegistrySandbox registry;
    test::WriteRegistryString(HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\Windows\\CurrentVersion",
                                 L"ProgramFilesDir", L"C:\\Program Files");
    InstallRequest request;
    ApplySilentDefaults(request);
    EXPECT_STREQ(request.TargetFolder, L"C:\\Program Files\\Lumetra");
    EXPECT_STREQ(request.IniFolder, L"%APPDATA%\\Lumetra");
    EXPECT_EQ(request.Silent, 1);
    EXPECT_STREQ(request.Caption, L"Lumetra 64-bit Setup");
    EXPECT_FALSE(request.Selection.AnySelected());
}

TEST(ApplySilentDefaults, EarlierInstallationKeepsItsFolderAndSettings) {
    test::RegistrySandbox registry;
    test::WriteRegistryString(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Classes\\Lumetra\\shell\\open\\command",
                                 nullptr, L"\"D:\\Apps\\Lumetra\\lu_main64.exe\" \"%1\"");
    InstallRequest request;
    ApplySilentDefaults(request);
    EXPECT_STREQ(request.TargetFolder, L"D:\\Apps\\Lumetra\\");
    EXPECT_STREQ(request.IniFolder, L"");
}

}  // namespace
}  // namespace lumetra
