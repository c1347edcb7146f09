#include "app/path_helpers.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "app/text_buffer.h"
#include "tests/support/temp_folder.h"

namespace lumetra {
namespace {

using test::CurrentFolder;
using test::FolderExists;
using test::TempFolder;

struct Folder {
    wchar_t text[kFolderTextCapacity];
    explicit Folder(const std::wstring& value) { CopyText(text, value.c_str()); }
};

TEST(TrimSpaces, Cases) {
    struct Case {
        std::wstring input;
        std::wstring expected;
    };
    const Case cases[] = {
        {L"   Programme  ", L"Programme"},
        {L"C:\\Tools\\", L"C:\\Tools\\"},
        {L"     ", L""},
        {L"", L""},
        {L"\tTab\t", L"\tTab\t"},  // only U+0020 counts as a space
        {L" " + std::wstring(258, L'x') + L" ", std::wstring(258, L'x')},
        // 260 characters or more keep their leading spaces
        {L" " + std::wstring(259, L'x') + L"  ", L" " + std::wstring(259, L'x')},
    };
    for (const Case& c : cases) {
        Folder folder(c.input);
        TrimSpaces(folder.text);
        EXPECT_EQ(std::wstring(folder.text), c.expected) << "input length " << c.input.size();
    }
}

TEST(TrimAndUnquote, Cases) {
    struct Case {
        const wchar_t* input;
        const wchar_t* expected;
    };
    const Case cases[] = {
        {L"\"C:\\Program Files\\Lumetra\" ", L"C:\\Program Files\\Lumetra"},
        {L"\"C:\\Tools", L"C:\\Tools"},
        {L"C:\\Tools\"  ", L"C:\\Tools"},
        {L"  \"C:\\Tools\"", L"  \"C:\\Tools"},  // the quote is not the first character
        {L"\"\"x\"\"", L"\"x\""},                // at most one quote per end
        {L"\"", L""},
        {L"   ", L""},
        {L"\" spaced \"", L" spaced"},
    };
    for (const Case& c : cases) {
        Folder folder(c.input);
        TrimAndUnquote(folder.text);
        EXPECT_STREQ(folder.text, c.expected) << "input: " << ::testing::PrintToString(std::wstring(c.input));
    }
}

TEST(EnsureDirectory, ExistingFolderGetsItsBackslash) {
    TempFolder temp;
    Folder folder(temp.path());
    EXPECT_EQ(EnsureDirectory(folder.text), 1);
    EXPECT_EQ(std::wstring(folder.text), temp.path() + L"\\");
}

TEST(EnsureDirectory, CreatesMissingLevelsWithoutSpacesBeforeBackslashes) {
    TempFolder temp;
    const std::wstring before = CurrentFolder();
    // Spaces before a backslash go; a space that starts a component is part of its name.
    Folder folder(L"  " + temp.path() + L"\\one  \\ two\\three  ");
    EXPECT_EQ(EnsureDirectory(folder.text), 1);
    EXPECT_EQ(std::wstring(folder.text), temp.path() + L"\\one\\ two\\three\\");
    EXPECT_TRUE(FolderExists(temp.path() + L"\\one\\ two\\three"));
    EXPECT_EQ(CurrentFolder(), before);
}

TEST(EnsureDirectory, FailsWithoutChangingTheCurrentFolder) {
    const std::wstring before = CurrentFolder();
    struct Case {
        const wchar_t* input;
    };
    const Case cases[] = {{L""}, {L"    "}, {L"Q:\\Lumetra"}};
    for (const Case& c : cases) {
        Folder folder(c.input);
        EXPECT_EQ(EnsureDirectory(folder.text), 0) << ::testing::PrintToString(std::wstring(c.input));
        EXPECT_EQ(CurrentFolder(), before);
    }
}

TEST(EnsureDirectory, AFileOfThatNameIsNoFolder) {
    TempFolder temp;
    test::WriteFileBytes(temp / L"taken", "x");
    Folder folder(temp / L"taken");
    EXPECT_EQ(EnsureDirectory(folder.text), 0);
}

TEST(EnsureDirectory, RelativeFolderIsMadeBelowTheCurrentFolder) {
    TempFolder temp;
    test::ScopedCurrentFolder inside(temp.path());
    Folder folder(L"rel\\sub");
    EXPECT_EQ(EnsureDirectory(folder.text), 1);
    EXPECT_TRUE(FolderExists(temp.path() + L"\\rel\\sub"));
    EXPECT_EQ(CurrentFolder(), temp.path());
}

TEST(EnsureDirectory, OverlongPathIsCutNeverOverflowed) {
    TempFolder temp;
    Folder folder(temp.path() + L"\\" + std::wstring(400, L'n'));
    EnsureDirectory(folder.text);  // fails or not, the text must stay within its limit
    EXPECT_LT(TextLength(folder.text), kPathCapacity);
}

TEST(DirectoryOfPath, Cases) {
    struct Case {
        const wchar_t* path;
        const wchar_t* expected;
    };
    const Case cases[] = {
        {L"C:\\Users\\x\\AppData\\Roaming\\Lumetra\\lu_main64.ini", L"C:\\Users\\x\\AppData\\Roaming\\Lumetra\\"},
        {L"C:\\lu_main64.ini", L"C:\\"},
        {L"D:lu_main64.ini", L"D:\\"},
        {L"lu_main64.ini", L""},
        {L"", L""},
        {L"folder\\lu_main64.ini", L"folder\\"},
    };
    for (const Case& c : cases) {
        wchar_t out[kFolderTextCapacity] = {};
        DirectoryOfPath(c.path, out);
        EXPECT_STREQ(out, c.expected);
    }
}

}  // namespace
}  // namespace lumetra
