#include "registration/file_associations.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "app/system_queries.h"
#include "tests/registration/expected_registration.h"
#include "tests/support/registry_sandbox.h"
#include "tests/support/registry_snapshot.h"

namespace lumetra {
namespace {

using test::AssociationExpectation;
using test::ExpectedRegistry;
using test::ExpectRegistryLines;
using test::ReadRegistryValue;
using test::RegistrySandbox;
using test::SnapshotRegistry;
using test::UserChoiceKey;
using test::WriteRegistryString;

constexpr wchar_t kExecutable[] = L"C:\\Program Files\\Lumetra\\lu_main64.exe";
constexpr wchar_t kOpenCommand[] = L"\"C:\\Program Files\\Lumetra\\lu_main64.exe\" \"%1\"";

void CreateEmptyKey(HKEY root, const wchar_t* path) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(root, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr), ERROR_SUCCESS);
    RegCloseKey(key);
}

std::wstring StringAt(HKEY root, const std::wstring& key, const wchar_t* name = nullptr) {
    const test::RegistryValue value = ReadRegistryValue(root, key, name);
    return value.exists ? value.String() : L"<missing>";
}

// Runs the associations in a fresh registry whose application key has its capabilities
// key, as the application registration leaves it, and compares every key and value.
void ExpectExactAssociations(const AssociationSelection& selection, int associateFiles, const char* what) {
    RegistrySandbox registry;
    CreateEmptyKey(HKEY_LOCAL_MACHINE, test::kCapabilityAssociations);
    RegisterFileAssociations(kExecutable, kOpenCommand, selection, associateFiles);

    ExpectedRegistry machine;
    ExpectedRegistry user;
    AssociationExpectation expectation;
    expectation.executable = kExecutable;
    expectation.selection = selection;
    expectation.associateFiles = associateFiles != 0;
    expectation.windows8OrLater = IsWindowsVersionAtLeast(kWindows8MinorVersion);
    test::ExpectAssociations(machine, user, expectation);
    ExpectRegistryLines(SnapshotRegistry(registry.Root(HKEY_LOCAL_MACHINE)), machine.lines(), what);
    ExpectRegistryLines(SnapshotRegistry(registry.Root(HKEY_CURRENT_USER)), user.lines(), what);
    ExpectRegistryLines(SnapshotRegistry(registry.Root(HKEY_CLASSES_ROOT)), {}, what);
}

// The unit tests run once under Windows 7 and once under Windows 10; the Open-with marks
// depend on it, so make sure each run really is what it claims.
TEST(RegisterFileAssociations, RunsUnderTheWindowsVersionTheHarnessSet) {
    EXPECT_EQ(IsWindowsVersionAtLeast(kWindows8MinorVersion), test::HarnessReportsWindows8OrLater());
}

TEST(RegisterFileAssociations, WritesExactlyTheRowsOfEachSelection) {
    struct Case {
        const char* name;
        std::function<void(AssociationSelection&)> select;
        int associateFiles;
    };
    const Case cases[] = {
        {"nothing selected", [](AssociationSelection& s) { s.SelectNone(); }, 0},
        {"row 23 (JPG/JPEG/JFIF/JPE) alone", [](AssociationSelection& s) { s.Set(23, 1); }, 1},
        {"row 4 (CRW/CR2/CR3) alone", [](AssociationSelection& s) { s.Set(4, 1); }, 1},
        {"images only", [](AssociationSelection& s) { s.SelectImagesOnly(); }, 1},
        {"all", [](AssociationSelection& s) { s.SelectAll(); }, 1},
        {"all, without asking for associations", [](AssociationSelection& s) { s.SelectAll(); }, 0},
    };
    for (const Case& c : cases) {
        AssociationSelection selection;
        c.select(selection);
        ExpectExactAssociations(selection, c.associateFiles, c.name);
    }
}

// The rules of the table at work, spelled out on the values themselves.
TEST(RegisterFileAssociations, RowTwentyThreeAlone) {
    RegistrySandbox registry;
    CreateEmptyKey(HKEY_LOCAL_MACHINE, test::kCapabilityAssociations);
    AssociationSelection selection;
    selection.Set(23, 1);
    RegisterFileAssociations(kExecutable, kOpenCommand, selection, 1);

    for (const wchar_t* extension : {L"jpg", L"jpeg", L"jfif", L"jpe"}) {
        EXPECT_EQ(StringAt(HKEY_LOCAL_MACHINE, std::wstring(L"SOFTWARE\\Classes\\.") + extension), L"Lumetra.jpg");
        EXPECT_EQ(StringAt(HKEY_CURRENT_USER, UserChoiceKey(extension), L"Progid"), L"Lumetra.jpg");
    }
    // Always the viewer's, without a user choice; their other spellings are not.
    EXPECT_EQ(StringAt(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Classes\\.png"), L"Lumetra.png");
    EXPECT_EQ(StringAt(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Classes\\.tif"), L"Lumetra.tif");
    EXPECT_EQ(StringAt(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Classes\\.tiff"), L"<missing>");
    EXPECT_FALSE(test::RegistryKeyExists(HKEY_CURRENT_USER, UserChoiceKey(L"png")));

    EXPECT_EQ(StringAt(HKEY_LOCAL_MACHINE, test::kCapabilityAssociations, L".jpeg"), L"Lumetra.jpg");
    EXPECT_EQ(StringAt(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Classes\\Lumetra.jpg"), L"Lumetra JPG File");
    EXPECT_EQ(StringAt(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Classes\\Lumetra.g3"), L"Lumetra G3 File");
    EXPECT_EQ(StringAt(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Classes\\Lumetra.cr2"), L"Lumetra CR2 File");
    EXPECT_EQ(StringAt(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Classes\\Lumetra.jpg\\shell\\open\\command"), kOpenCommand);

    const std::wstring program = kExecutable;
    EXPECT_EQ(StringAt(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Classes\\Lumetra.ani\\DefaultIcon"), L"%1");
    EXPECT_EQ(StringAt(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Classes\\Lumetra.avi\\DefaultIcon"), program + L",9");
    EXPECT_EQ(StringAt(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Classes\\Lumetra.wav\\DefaultIcon"), program + L",8");
    EXPECT_EQ(StringAt(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Classes\\Lumetra.ttf\\DefaultIcon"), program + L",0");
}

TEST(RegisterFileAssociations, MissingCapabilitiesKeySkipsOnlyTheCapabilityValues) {
    RegistrySandbox registry;
    AssociationSelection selection;
    selection.SelectImagesOnly();
    RegisterFileAssociations(kExecutable, kOpenCommand, selection, 1);

    ExpectedRegistry machine;
    ExpectedRegistry user;
    AssociationExpectation expectation;
    expectation.executable = kExecutable;
    expectation.selection = selection;
    expectation.associateFiles = true;
    expectation.windows8OrLater = IsWindowsVersionAtLeast(kWindows8MinorVersion);
    expectation.capabilitiesKeyExists = false;
    test::ExpectAssociations(machine, user, expectation);
    ExpectRegistryLines(SnapshotRegistry(registry.Root(HKEY_LOCAL_MACHINE)), machine.lines(), "machine");
    ExpectRegistryLines(SnapshotRegistry(registry.Root(HKEY_CURRENT_USER)), user.lines(), "user");
    EXPECT_FALSE(test::RegistryKeyExists(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Lumetra"));
}

TEST(RegisterFileAssociations, ReplacesTheUserChoiceOfSelectedRowsOnly) {
    RegistrySandbox registry;
    CreateEmptyKey(HKEY_LOCAL_MACHINE, test::kCapabilityAssociations);
    WriteRegistryString(HKEY_CURRENT_USER, UserChoiceKey(L"jpg"), L"Progid", L"Other.jpg");
    WriteRegistryString(HKEY_CURRENT_USER, UserChoiceKey(L"jpg"), L"Hash", L"abc");
    WriteRegistryString(HKEY_CURRENT_USER, UserChoiceKey(L"png"), L"Progid", L"Other.png");
    // A key with subkeys cannot be deleted: it is opened and its choice overwritten.
    WriteRegistryString(HKEY_CURRENT_USER, UserChoiceKey(L"jpeg"), L"Hash", L"def");
    WriteRegistryString(HKEY_CURRENT_USER, UserChoiceKey(L"jpeg") + L"\\Extra", L"x", L"y");

    AssociationSelection selection;
    selection.Set(23, 1);
    RegisterFileAssociations(kExecutable, kOpenCommand, selection, 1);

    EXPECT_EQ(test::RegistryValueNames(HKEY_CURRENT_USER, UserChoiceKey(L"jpg")),
              std::vector<std::wstring>{L"Progid"});
    EXPECT_EQ(StringAt(HKEY_CURRENT_USER, UserChoiceKey(L"jpg"), L"Progid"), L"Lumetra.jpg");
    EXPECT_EQ(StringAt(HKEY_CURRENT_USER, UserChoiceKey(L"png"), L"Progid"), L"Other.png");
    EXPECT_EQ(StringAt(HKEY_CURRENT_USER, UserChoiceKey(L"jpeg"), L"Progid"), L"Lumetra.jpg");
    EXPECT_EQ(StringAt(HKEY_CURRENT_USER, UserChoiceKey(L"jpeg"), L"Hash"), L"def");
    EXPECT_TRUE(test::RegistryKeyExists(HKEY_CURRENT_USER, UserChoiceKey(L"jpeg") + L"\\Extra"));
}

TEST(HideStoreAppsFromOpenWith, MarksTheFiveClassesWithAnEmptyString) {
    RegistrySandbox registry;
    HideStoreAppsFromOpenWith();
    ExpectedRegistry user;
    for (const wchar_t* key : test::kStoreAppClassKeys) user.String(key, L"NoOpenWith", L"");
    ExpectRegistryLines(SnapshotRegistry(registry.Root(HKEY_CURRENT_USER)), user.lines(), "user");
    const test::RegistryValue mark = ReadRegistryValue(HKEY_CURRENT_USER, test::kStoreAppClassKeys[0], L"NoOpenWith");
    EXPECT_EQ(mark.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(mark.bytes.size(), 2u);
}

}  // namespace
}  // namespace lumetra
