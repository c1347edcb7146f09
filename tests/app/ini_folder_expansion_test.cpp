#include "app/ini_folder_expansion.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/scoped_environment.h"

namespace lumetra {
namespace {

using test::ScopedEnvironmentVariable;

// A result buffer with guard characters behind it, to catch a write past its capacity.
struct GuardedFolder {
    wchar_t text[kFolderTextCapacity];
    wchar_t guard[4] = {L'G', L'G', L'G', L'G'};
    bool GuardIntact() const { return guard[0] == L'G' && guard[3] == L'G'; }
};

TEST(ExpandIniFolder, ReplacesReferences) {
    ScopedEnvironmentVariable data(L"LUMETRA_DATA", L"C:\\Users\\Anna\\AppData\\Roaming");
    ScopedEnvironmentVariable drive(L"LUMETRA_DRIVE", L"D:");
    struct Case {
        const wchar_t* text;
        const wchar_t* expected;
    };
    const Case cases[] = {
        {L"%LUMETRA_DATA%\\Lumetra", L"C:\\Users\\Anna\\AppData\\Roaming\\Lumetra"},
        {L"%LUMETRA_DRIVE%\\%LUMETRA_DATA%", L"D:\\C:\\Users\\Anna\\AppData\\Roaming"},
        {L"C:\\Einstellungen", L"C:\\Einstellungen"},
        {L"%LUMETRA_UNSET%\\Lumetra", L"\\Lumetra"},    // an unset variable vanishes
        {L"%LUMETRA_UNSET%", L""},
        {L"C:\\a%%b", L"C:\\ab"},                       // an empty name vanishes
        {L"%LUMETRA_DRIVE", L"D:"},                     // the name runs to the end
        {L"C:\\100%", L"C:\\100"},
        {L"", L""},
    };
    for (const Case& c : cases) {
        GuardedFolder result;
        EXPECT_TRUE(ExpandIniFolder(c.text, result.text)) << ::testing::PrintToString(c.text);
        EXPECT_STREQ(result.text, c.expected);
    }
}

TEST(ExpandIniFolder, CutsWhatGoesBeyondItsLimits) {
    const std::wstring name260(260, L'N');
    const std::wstring longValue = std::wstring(258, L'v') + L"XY";  // 260 characters
    ScopedEnvironmentVariable longestName(name260, L"found");
    ScopedEnvironmentVariable value(L"LUMETRA_LONG", longValue);
    struct Case {
        std::wstring text;
        std::wstring expected;
        bool complete;
    };
    const Case cases[] = {
        {L"%" + name260 + L"%", L"found", true},
        {L"%" + name260 + L"TAIL%\\x", L"found\\x", false},  // name cut to 260 characters
        {L"%LUMETRA_LONG%\\x", longValue.substr(0, 259) + L"\\x", false},
        {L"%LUMETRA_LONG%%LUMETRA_LONG%\\x", longValue.substr(0, 259) + longValue.substr(0, 259) + L"\\", false},
        {std::wstring(600, L'a'), std::wstring(519, L'a'), false},
        {std::wstring(519, L'a'), std::wstring(519, L'a'), true},
    };
    for (const Case& c : cases) {
        GuardedFolder result;
        EXPECT_EQ(ExpandIniFolder(c.text.c_str(), result.text), c.complete) << c.text.size();
        EXPECT_EQ(result.text, c.expected);
        EXPECT_TRUE(result.GuardIntact());
    }
}

TEST(ExpandIniFolder, RespectsASmallerBuffer) {
    ScopedEnvironmentVariable data(L"LUMETRA_DATA", L"C:\\Users\\Anna");
    wchar_t small[8];
    EXPECT_FALSE(ExpandIniFolder(L"%LUMETRA_DATA%\\Lumetra", small));
    EXPECT_STREQ(small, L"C:\\User");
}

}  // namespace
}  // namespace lumetra
