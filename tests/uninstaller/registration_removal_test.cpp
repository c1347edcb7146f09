#include "uninstaller/registration_removal.h"

#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>

#include "app/system_queries.h"
#include "registration/application_registration.h"
#include "tests/support/registry_sandbox.h"
#include "tests/support/registry_snapshot.h"

namespace lumetra {
namespace {

using test::ExpectRegistryLines;
using test::ReadRegistryValue;
using test::RegistryKeyExists;
using test::RegistryLines;
using test::RegistrySandbox;
using test::SnapshotRegistry;
using test::WriteRegistryString;

constexpr wchar_t kFolder[] = L"C:\\Program Files\\Lumetra\\";
constexpr wchar_t kUninstallKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Lumetra64";
constexpr wchar_t kUserChoiceFormat[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts\\.%ls";
constexpr wchar_t kPhotosClass[] = L"SOFTWARE\\Classes\\AppX43hnxtbyyps62jhe9sqpdzxn1790zetc";

std::wstring FileExtsKey(const wchar_t* extension) {
    wchar_t key[MAX_PATH];
    swprintf(key, MAX_PATH, kUserChoiceFormat, extension);
    return key;
}

struct Snapshot {
    RegistryLines machine;
    RegistryLines user;
    RegistryLines classesRoot;
};

Snapshot Take(const RegistrySandbox& registry) {
    return {SnapshotRegistry(registry.Root(HKEY_LOCAL_MACHINE)), SnapshotRegistry(registry.Root(HKEY_CURRENT_USER)),
            SnapshotRegistry(registry.Root(HKEY_CLASSES_ROOT))};
}

void ExpectSame(const Snapshot& actual, const Snapshot& expected) {
    ExpectRegistryLines(actual.machine, expected.machine, "HKEY_LOCAL_MACHINE");
    ExpectRegistryLines(actual.user, expected.user, "HKEY_CURRENT_USER");
    ExpectRegistryLines(actual.classesRoot, expected.classesRoot, "HKEY_CLASSES_ROOT");
}

// The whole registration of a setup run with every option and every file type. The
// thumbnails option also makes a desktop link, which goes again.
void RegisterEverything() {
    AssociationSelection all;
    all.SelectAll();
    RegisterApplication(kFolder, 1, 0, 0, 1, 0, all);
    wchar_t desktop[MAX_PATH] = {};
    SHGetSpecialFolderPathW(nullptr, desktop, CSIDL_DESKTOP, FALSE);
    DeleteFileW((std::wstring(desktop) + L"\\Lumetra 64 Thumbnails.lnk").c_str());
}

// The scratch registry starts empty; Windows always has the keys above the
// registration's, and the shell records where its folders are the first time it is asked.
void PrepareLikeWindows() {
    for (const wchar_t* key : {L"SOFTWARE\\Classes", L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall"}) {
        HKEY created = nullptr;
        ASSERT_EQ(RegCreateKeyW(HKEY_LOCAL_MACHINE, key, &created), ERROR_SUCCESS);
        RegCloseKey(created);
    }
    wchar_t desktop[MAX_PATH];
    SHGetSpecialFolderPathW(nullptr, desktop, CSIDL_DESKTOP, FALSE);
}

TEST(RemoveRegistration, TakesBackEverythingTheRegistrationWrote) {
    RegistrySandbox registry;
    PrepareLikeWindows();
    // Windows' own list, which the viewer joins but never creates.
    WriteRegistryString(HKEY_LOCAL_MACHINE, L"SOFTWARE\\RegisteredApplications", L"Other", L"SOFTWARE\\Other\\Cap");
    const Snapshot before = Take(registry);

    RegisterEverything();
    ASSERT_TRUE(RegistryKeyExists(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Classes\\Lumetra.jpg"));
    ASSERT_EQ(RegistryKeyExists(HKEY_CURRENT_USER, kPhotosClass), IsWindowsVersionAtLeast(kWindows8MinorVersion));
    ASSERT_TRUE(RegistrationBelongsTo(kFolder));

    RemoveRegistration();
    ExpectSame(Take(registry), before);
}

TEST(RemoveRegistration, LeavesWhatNamesAnotherProgramAndKeysThatHoldMore) {
    RegistrySandbox registry;
    PrepareLikeWindows();
    // Keys that were there before and hold more than the setup writes into them.
    WriteRegistryString(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Classes\\.jpg", L"Content Type", L"image/jpeg");
    WriteRegistryString(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Classes\\Directory\\shell\\find", nullptr, L"Suchen");
    WriteRegistryString(HKEY_CURRENT_USER, FileExtsKey(L"bmp") + L"\\OpenWithList", L"a", L"mspaint.exe");
    WriteRegistryString(HKEY_CURRENT_USER, kPhotosClass, L"AppUserModelID", L"Photos");
    WriteRegistryString(HKEY_CLASSES_ROOT, L"Applications\\other.exe", L"FriendlyAppName", L"Other");
    const Snapshot before = Take(registry);

    RegisterEverything();
    // After the installation the user gave these to other programs.
    WriteRegistryString(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Classes\\.png", nullptr, L"Other.png");
    WriteRegistryString(HKEY_CURRENT_USER, FileExtsKey(L"gif") + L"\\UserChoice", L"Progid", L"Other.gif");
    // A mark the user set: not the empty one the setup writes.
    WriteRegistryString(HKEY_CURRENT_USER, kPhotosClass, L"NoOpenWith", L"1");

    RemoveRegistration();
    Snapshot expected = before;
    expected.machine.insert(L"software\\classes\\.png");
    expected.machine.insert(test::ValueLine(L"software\\classes\\.png", nullptr, REG_SZ, L"Other.png", 20));
    for (const wchar_t* key : {L"software\\microsoft\\windows\\currentversion\\explorer\\fileexts\\.gif",
                               L"software\\microsoft\\windows\\currentversion\\explorer\\fileexts\\.gif\\userchoice"}) {
        expected.user.insert(key);
    }
    expected.user.insert(test::ValueLine(
        L"software\\microsoft\\windows\\currentversion\\explorer\\fileexts\\.gif\\userchoice", L"Progid", REG_SZ,
        L"Other.gif", 20));
    expected.user.insert(test::ValueLine(L"software\\classes\\appx43hnxtbyyps62jhe9sqpdzxn1790zetc", L"NoOpenWith",
                                         REG_SZ, L"1", 4));
    ExpectSame(Take(registry), expected);
    EXPECT_EQ(ReadRegistryValue(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Classes\\.jpg", nullptr).exists, false);
}

TEST(RegistrationBelongsTo, OnlyARegistrationOfAnotherFolderIsLeftAlone) {
    RegistrySandbox registry;
    EXPECT_TRUE(RegistrationBelongsTo(kFolder)) << "no uninstall entry: what is left is ours";
    WriteRegistryString(HKEY_LOCAL_MACHINE, kUninstallKey, L"DisplayName", L"Lumetra 4.59 (64-bit)");
    EXPECT_TRUE(RegistrationBelongsTo(kFolder)) << "an entry without a location";

    struct Case {
        const wchar_t* location;
        bool ours;
    };
    const Case cases[] = {
        {L"C:\\Program Files\\Lumetra\\", true},
        {L"c:\\program files\\LUMETRA", true},
        {L"C:\\Program Files\\Lumetra\\..\\Lumetra\\", true},
        {L"C:\\Tools\\Lumetra\\", false},
        {L"C:\\Program Files\\Lumetra\\Alt\\", false},
        {L"C:\\Program Files\\", false},
    };
    for (const Case& c : cases) {
        WriteRegistryString(HKEY_LOCAL_MACHINE, kUninstallKey, L"InstallLocation", c.location);
        EXPECT_EQ(RegistrationBelongsTo(kFolder), c.ours) << testing::PrintToString(std::wstring(c.location));
    }
}

TEST(IsViewerProgId, KnowsTheClassesOfTheFileTypeTable) {
    for (const wchar_t* ours : {L"Lumetra.jpg", L"LUMETRA.JPG", L"Lumetra.mpe", L"Lumetra.cr3", L"Lumetra.au"}) {
        EXPECT_TRUE(IsViewerProgId(ours)) << testing::PrintToString(std::wstring(ours));
    }
    // jpeg shares the class of jpg; the viewer's own class is no file class.
    for (const wchar_t* other : {L"Lumetra.jpeg", L"Lumetra", L"Lumetra.", L"jpegfile", L"Lumetra.jpg ", L""}) {
        EXPECT_FALSE(IsViewerProgId(other)) << testing::PrintToString(std::wstring(other));
    }
}

}  // namespace
}  // namespace lumetra
