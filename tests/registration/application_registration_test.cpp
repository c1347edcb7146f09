#include "registration/application_registration.h"

#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>

#include "app/system_queries.h"
#include "tests/registration/expected_registration.h"
#include "tests/support/registry_sandbox.h"
#include "tests/support/registry_snapshot.h"

namespace lumetra {
namespace {

using test::ExpectedRegistry;
using test::ExpectRegistryLines;
using test::ReadRegistryValue;
using test::RegistrySandbox;
using test::SnapshotRegistry;
using test::WriteRegistryString;

constexpr wchar_t kRegisteredApplications[] = L"SOFTWARE\\RegisteredApplications";
constexpr wchar_t kViewerClassIcon[] = L"SOFTWARE\\Classes\\Lumetra\\DefaultIcon";

// A folder "C:\aaa...\" of exactly the given length, trailing backslash included.
std::wstring FolderOfLength(size_t length) {
    return L"C:\\" + std::wstring(length - 4, L'a') + L"\\";
}

void RemoveDesktopLink(const wchar_t* name) {
    wchar_t desktop[MAX_PATH] = {};
    ASSERT_TRUE(SHGetSpecialFolderPathW(nullptr, desktop, CSIDL_DESKTOPDIRECTORY, FALSE));
    DeleteFileW((std::wstring(desktop) + L"\\" + name).c_str());
}

// Runs the registration without Start-menu and desktop links (the tests of the shortcuts
// cover those) and compares all three redirected roots with the application's entries and
// the associations.
void ExpectExactRegistration(const wchar_t* targetFolder, const test::ApplicationExpectation& application,
                             const AssociationSelection& selection, int associateFiles) {
    RegistrySandbox registry;
    if (application.registeredApplicationsExists) {
        WriteRegistryString(HKEY_LOCAL_MACHINE, kRegisteredApplications, L"Other", L"SOFTWARE\\Other\\Capabilities");
    }
    // The thumbnails flag also makes a desktop link. The shell records where its folders
    // are the first time it is asked: let it do so before the registration runs, so that
    // its records belong to the registry the registration starts from.
    ExpectedRegistry machine;
    ExpectedRegistry user;
    ExpectedRegistry classesRoot;
    if (application.thumbnails) {
        wchar_t desktop[MAX_PATH];
        SHGetSpecialFolderPathW(nullptr, desktop, CSIDL_DESKTOP, FALSE);
        machine.Include(SnapshotRegistry(registry.Root(HKEY_LOCAL_MACHINE)));
        user.Include(SnapshotRegistry(registry.Root(HKEY_CURRENT_USER)));
    }
    RegisterApplication(targetFolder, associateFiles, 0, 0, application.thumbnails ? 1 : 0, 0, selection);
    if (application.thumbnails) RemoveDesktopLink(L"Lumetra 64 Thumbnails.lnk");

    if (application.registeredApplicationsExists) {
        machine.String(kRegisteredApplications, L"Other", L"SOFTWARE\\Other\\Capabilities");
    }
    test::ExpectApplicationRows(machine, classesRoot, application);
    test::AssociationExpectation associations;
    associations.executable = application.folder + L"lu_main64.exe";
    associations.selection = selection;
    associations.associateFiles = associateFiles != 0;
    associations.windows8OrLater = IsWindowsVersionAtLeast(kWindows8MinorVersion);
    test::ExpectAssociations(machine, user, associations);

    const std::string what = ::testing::PrintToString(std::wstring(targetFolder));
    ExpectRegistryLines(SnapshotRegistry(registry.Root(HKEY_LOCAL_MACHINE)), machine.lines(), what.c_str());
    ExpectRegistryLines(SnapshotRegistry(registry.Root(HKEY_CURRENT_USER)), user.lines(), what.c_str());
    ExpectRegistryLines(SnapshotRegistry(registry.Root(HKEY_CLASSES_ROOT)), classesRoot.lines(), what.c_str());
}

TEST(RegisterApplication, WritesTheApplicationsEntriesThenTheAssociations) {
    struct Case {
        const wchar_t* targetFolder;
        const wchar_t* normalised;
        bool thumbnails;
        bool registeredApplicationsExists;
        int associateFiles;
    };
    const Case cases[] = {
        {L"  C:\\Tools\\Viewer  ", L"C:\\Tools\\Viewer\\", true, true, 1},
        {L"C:\\Tools\\Viewer\\", L"C:\\Tools\\Viewer\\", false, false, 0},
        {L"D:\\Programme\\Lumetra", L"D:\\Programme\\Lumetra\\", false, true, 0},
    };
    for (const Case& c : cases) {
        test::ApplicationExpectation application;
        application.folder = c.normalised;
        application.thumbnails = c.thumbnails;
        application.registeredApplicationsExists = c.registeredApplicationsExists;
        AssociationSelection selection;
        if (c.associateFiles) selection.SelectImagesOnly();
        ExpectExactRegistration(c.targetFolder, application, selection, c.associateFiles);
    }
}

TEST(RegisterApplication, RemovesTheViewerClassIconUnlessItHasSubkeys) {
    {
        RegistrySandbox registry;
        WriteRegistryString(HKEY_LOCAL_MACHINE, kViewerClassIcon, nullptr, L"C:\\Old\\lu_main64.exe,3");
        RegisterApplication(L"C:\\Tools\\Viewer", 0, 0, 0, 0, 0, AssociationSelection());
        EXPECT_FALSE(test::RegistryKeyExists(HKEY_LOCAL_MACHINE, kViewerClassIcon));
    }
    {
        RegistrySandbox registry;
        WriteRegistryString(HKEY_LOCAL_MACHINE, kViewerClassIcon, nullptr, L"C:\\Old\\lu_main64.exe,3");
        WriteRegistryString(HKEY_LOCAL_MACHINE, std::wstring(kViewerClassIcon) + L"\\Extra", nullptr, L"x");
        RegisterApplication(L"C:\\Tools\\Viewer", 0, 0, 0, 0, 0, AssociationSelection());
        EXPECT_EQ(ReadRegistryValue(HKEY_LOCAL_MACHINE, kViewerClassIcon, nullptr).String(),
                  L"C:\\Old\\lu_main64.exe,3");
        EXPECT_TRUE(test::RegistryKeyExists(HKEY_LOCAL_MACHINE, std::wstring(kViewerClassIcon) + L"\\Extra"));
    }
}

// The next setup proposes the folder of this installation, read from the class's command.
TEST(RegisterApplication, NextSetupFindsTheInstallFolder) {
    RegistrySandbox registry;
    RegisterApplication(L"  C:\\Programme\\Bild Betrachter  ", 0, 0, 0, 0, 0, AssociationSelection());
    wchar_t folder[kFolderTextCapacity];
    EXPECT_EQ(FindPreviousInstallFolder(folder), 1);
    EXPECT_STREQ(folder, L"C:\\Programme\\Bild Betrachter\\");
}

// Every entry names the executable or the folder: a folder too long for the executable's
// path to fit 260 characters registers nothing rather than cut paths.
TEST(RegisterApplication, FolderAtThePathLimit) {
    const std::wstring longest = FolderOfLength(246);  // + "lu_main64.exe" = 259 characters
    test::ApplicationExpectation application;
    application.folder = longest;
    ExpectExactRegistration(longest.c_str(), application, AssociationSelection(), 0);

    const std::wstring tooLong = FolderOfLength(247);
    RegistrySandbox registry;
    RegisterApplication(tooLong.c_str(), 1, 0, 0, 1, 0, AssociationSelection());
    for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER, HKEY_CLASSES_ROOT}) {
        EXPECT_TRUE(SnapshotRegistry(registry.Root(root)).empty());
    }
}

TEST(DeriveApplicationPaths, NormalisesTheFolderOnce) {
    struct Case {
        std::wstring folder;
        bool derived;
        const wchar_t* normalised;
    };
    const Case cases[] = {
        {L"  C:\\Tools\\Viewer  ", true, L"C:\\Tools\\Viewer\\"},
        {L"C:\\Tools\\Viewer\\", true, L"C:\\Tools\\Viewer\\"},
        {L"", false, L""},
        {L"   ", false, L""},
        {FolderOfLength(246), true, nullptr},
        {FolderOfLength(247), false, L""},
        {FolderOfLength(246).substr(0, 245), true, nullptr},  // the backslash is supplied
        {std::wstring(519, L'a'), false, L""},
    };
    for (const Case& c : cases) {
        ApplicationPaths paths;
        EXPECT_EQ(DeriveApplicationPaths(c.folder.c_str(), paths), c.derived) << c.folder.size();
        if (!c.derived) continue;
        const std::wstring folder = c.normalised ? c.normalised : FolderOfLength(246);
        EXPECT_EQ(std::wstring(paths.folder), folder);
        EXPECT_EQ(std::wstring(paths.executable), folder + L"lu_main64.exe");
        EXPECT_EQ(std::wstring(paths.openCommand), L"\"" + folder + L"lu_main64.exe\" \"%1\"");
        EXPECT_EQ(std::wstring(paths.browseCommand), L"\"" + folder + L"lu_main64.exe\" \"%1\" /thumbs");
    }
}

}  // namespace
}  // namespace lumetra
