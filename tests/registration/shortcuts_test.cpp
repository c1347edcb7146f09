#include "registration/shortcuts.h"

#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "app/system_queries.h"
#include "tests/registration/expected_registration.h"
#include "tests/support/shell_link_reader.h"
#include "tests/support/temp_folder.h"

namespace lumetra {
namespace {

using test::ReadShellLink;
using test::ShellLinkContent;

// The install folder need not exist: links may point to files not yet there.
const std::wstring kFolder = L"C:\\Programme\\Lumetra Test\\";
const std::wstring kExecutable = kFolder + L"lu_main64.exe";

struct ExpectedLink {
    std::wstring target;
    std::wstring arguments = L"";
    std::wstring iconPath = L"";
    int iconIndex = 0;
    std::wstring description = L"";
};
using ExpectedLinks = std::map<std::wstring, ExpectedLink>;

std::wstring SpecialFolder(int csidl) {
    wchar_t path[MAX_PATH] = {};
    EXPECT_TRUE(SHGetSpecialFolderPathW(nullptr, path, csidl, FALSE)) << csidl;
    return path;
}

struct Scope {
    std::wstring desktop;
    std::wstring group;
};

Scope CurrentUser() { return {SpecialFolder(CSIDL_DESKTOPDIRECTORY), SpecialFolder(CSIDL_PROGRAMS) + L"\\Lumetra"}; }
Scope AllUsers() {
    return {SpecialFolder(CSIDL_COMMON_DESKTOPDIRECTORY), SpecialFolder(CSIDL_COMMON_PROGRAMS) + L"\\Lumetra"};
}

// The group of the table, for an install folder: nine links before Windows 8, eight from it.
ExpectedLinks ExpectedGroup(const std::wstring& folder) {
    const std::wstring executable = folder + L"lu_main64.exe";
    ExpectedLinks links = {
        {L"Lumetra 64 4.59.lnk", {executable}},
        {L"Lumetra - Thumbnails.lnk", {executable, L"/thumbs", executable, 7}},
        {L"\u00dcber Lumetra.lnk", {folder + L"l_about.txt"}},
        {L"Was ist neu.lnk", {folder + L"l_changes.txt"}},
        {L"Kommandozeilen-Optionen.lnk", {folder + L"l_options.txt"}},
        {L"Verf\u00fcgbare PlugIns.lnk", {folder + L"l_plugins.txt"}},
        {L"Verf\u00fcgbare Sprachen.lnk", {folder + L"l_languages.txt"}},
        {L"Lumetra Hilfe.lnk", {folder + L"help\\lu_main32_deutsch.chm"}},
    };
    if (!IsWindowsVersionAtLeast(kWindows8MinorVersion)) {
        links[L"Lumetra deinstallieren.lnk"] = {folder + L"lm_uninstall.exe"};
    }
    return links;
}

const ExpectedLink kDesktopViewer = {kExecutable, L"", L"", 0, L"Lumetra 64 - Bildbetrachter"};
const ExpectedLink kDesktopThumbnails = {kExecutable, L"/thumbs", kExecutable, 7, L"Lumetra - Thumbnails"};

std::set<std::wstring> FileNames(const std::wstring& folder, const wchar_t* pattern = L"*") {
    std::set<std::wstring> names;
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW((folder + L"\\" + pattern).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        const std::wstring name = found.cFileName;
        if (name != L"." && name != L"..") names.insert(name);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

std::set<std::wstring> NamesOf(const ExpectedLinks& links) {
    std::set<std::wstring> names;
    for (const auto& link : links) names.insert(link.first);
    return names;
}

// The folder holds exactly these links, each with exactly these properties.
void ExpectLinks(const std::wstring& folder, const ExpectedLinks& expected) {
    EXPECT_EQ(FileNames(folder), NamesOf(expected)) << ::testing::PrintToString(folder);
    for (const auto& [name, link] : expected) {
        const ShellLinkContent content = ReadShellLink(folder + L"\\" + name);
        const std::string label = ::testing::PrintToString(name);
        ASSERT_TRUE(content.loaded) << label;
        EXPECT_EQ(content.target, link.target) << label;
        EXPECT_EQ(content.arguments, link.arguments) << label;
        EXPECT_EQ(content.iconPath, link.iconPath) << label;
        EXPECT_EQ(content.iconIndex, link.iconIndex) << label;
        EXPECT_EQ(content.description, link.description) << label;
        EXPECT_EQ(content.workingFolder, L"") << label;
        EXPECT_EQ(content.hotkey, 0) << label;
        EXPECT_EQ(content.showCommand, SW_SHOWNORMAL) << label;
    }
}

void ExpectNoLinksOfOurs(const Scope& scope) {
    EXPECT_FALSE(test::FolderExists(scope.group));
    EXPECT_EQ(FileNames(scope.desktop, L"Lumetra*"), std::set<std::wstring>{});
}

class Shortcuts : public ::testing::Test {
protected:
    void SetUp() override { RemoveOurLinks(); }
    void TearDown() override { RemoveOurLinks(); }

    static void RemoveOurLinks() {
        for (const Scope& scope : {CurrentUser(), AllUsers()}) {
            test::RemoveTree(scope.group);
            for (const std::wstring& name : FileNames(scope.desktop, L"Lumetra*")) {
                DeleteFileW((scope.desktop + L"\\" + name).c_str());
            }
        }
    }
};

// The uninstall link depends on the Windows version: this program runs under Windows 7
// and under Windows 10, and each run must really be what it claims.
TEST(ShortcutsHarness, RunsUnderTheWindowsVersionTheHarnessSet) {
    EXPECT_EQ(IsWindowsVersionAtLeast(kWindows8MinorVersion), test::HarnessReportsWindows8OrLater());
}

TEST_F(Shortcuts, EveryLinkForTheCurrentUser) {
    CreateShortcuts(kFolder.c_str(), kExecutable.c_str(), 1, 1, 1, 0);
    ExpectLinks(CurrentUser().group, ExpectedGroup(kFolder));
    ExpectLinks(CurrentUser().desktop,
                {{L"Lumetra 64.lnk", kDesktopViewer}, {L"Lumetra 64 Thumbnails.lnk", kDesktopThumbnails}});
    ExpectNoLinksOfOurs(AllUsers());
}

TEST_F(Shortcuts, EveryLinkForAllUsers) {
    CreateShortcuts(kFolder.c_str(), kExecutable.c_str(), 1, 1, 1, 1);
    ExpectLinks(AllUsers().group, ExpectedGroup(kFolder));
    ExpectLinks(AllUsers().desktop,
                {{L"Lumetra 64.lnk", kDesktopViewer}, {L"Lumetra 64 Thumbnails.lnk", kDesktopThumbnails}});
    ExpectNoLinksOfOurs(CurrentUser());
}

TEST_F(Shortcuts, EachFlagMakesOnlyItsOwnLinks) {
    CreateShortcuts(kFolder.c_str(), kExecutable.c_str(), 0, 1, 0, 0);
    ExpectLinks(CurrentUser().desktop, {{L"Lumetra 64.lnk", kDesktopViewer}});
    EXPECT_FALSE(test::FolderExists(CurrentUser().group));
    RemoveOurLinks();

    CreateShortcuts(kFolder.c_str(), kExecutable.c_str(), 0, 0, 1, 0);
    ExpectLinks(CurrentUser().desktop, {{L"Lumetra 64 Thumbnails.lnk", kDesktopThumbnails}});
    EXPECT_FALSE(test::FolderExists(CurrentUser().group));
    RemoveOurLinks();

    CreateShortcuts(kFolder.c_str(), kExecutable.c_str(), 1, 0, 0, 0);
    ExpectLinks(CurrentUser().group, ExpectedGroup(kFolder));
    EXPECT_EQ(FileNames(CurrentUser().desktop, L"Lumetra*"), std::set<std::wstring>{});

    CreateShortcuts(kFolder.c_str(), kExecutable.c_str(), 0, 0, 0, 0);
    ExpectLinks(CurrentUser().group, ExpectedGroup(kFolder));  // nothing asked, nothing touched
}

TEST_F(Shortcuts, ExistingGroupIsReusedAndOnlyTheTwoPreviousVersionsLinksGo) {
    const std::wstring group = CurrentUser().group;
    ASSERT_TRUE(CreateDirectoryW(group.c_str(), nullptr));
    for (const wchar_t* name : {L"Lumetra 64 4.58.lnk", L"Lumetra 64 4.57.lnk", L"Lumetra 64 4.56.lnk",
                                L"Was ist neu.lnk"}) {
        test::WriteFileBytes(group + L"\\" + name, "not a link");
    }
    CreateStartMenuGroup(kFolder.c_str(), 0);

    ExpectedLinks expected = ExpectedGroup(kFolder);
    EXPECT_EQ(FileNames(group), [&] {
        std::set<std::wstring> names = NamesOf(expected);
        names.insert(L"Lumetra 64 4.56.lnk");
        return names;
    }());
    EXPECT_EQ(test::ReadFileBytes(group + L"\\Lumetra 64 4.56.lnk"), "not a link");
    EXPECT_EQ(ReadShellLink(group + L"\\Was ist neu.lnk").target, kFolder + L"l_changes.txt");
}

// A link whose target or file path would be cut at 260 characters is not made at all;
// the others still are.
TEST_F(Shortcuts, InstallFolderNearThePathLimit) {
    const std::wstring folder = L"C:\\" + std::wstring(242, L'a') + L"\\";  // 246 characters
    const std::wstring executable = folder + L"lu_main64.exe";            // 259
    CreateShortcuts(folder.c_str(), executable.c_str(), 1, 1, 0, 0);

    ExpectedLinks expected = ExpectedGroup(folder);
    for (const wchar_t* tooLong : {L"Verf\u00fcgbare Sprachen.lnk", L"Lumetra Hilfe.lnk", L"Lumetra deinstallieren.lnk"}) {
        expected.erase(tooLong);
    }
    ExpectLinks(CurrentUser().group, expected);
    EXPECT_EQ(FileNames(CurrentUser().desktop, L"Lumetra*"), std::set<std::wstring>{L"Lumetra 64.lnk"});
}

TEST_F(Shortcuts, FolderAndDesktopLinkResults) {
    test::TempFolder temp;
    const std::wstring folder = temp.path() + L"\\";
    EXPECT_EQ(CreateFolderLink(folder.c_str(), L"Dokument.lnk", L"C:\\x\\doc.txt", L"-a", L"C:\\x\\i.ico", 3), 1);
    const ShellLinkContent link = ReadShellLink(folder + L"Dokument.lnk");
    EXPECT_EQ(link.target, L"C:\\x\\doc.txt");
    EXPECT_EQ(link.arguments, L"-a");
    EXPECT_EQ(link.iconPath, L"C:\\x\\i.ico");
    EXPECT_EQ(link.iconIndex, 3);
    EXPECT_EQ(link.description, L"");

    EXPECT_EQ(CreateFolderLink((folder + L"fehlt\\").c_str(), L"Dokument.lnk", L"C:\\x\\doc.txt", nullptr, nullptr, 0), 0);
    const std::wstring longName = std::wstring(260 - folder.size() - 4, L'n') + L".lnk";  // 260 with the folder
    EXPECT_EQ(CreateFolderLink(folder.c_str(), longName.c_str(), L"C:\\x\\doc.txt", nullptr, nullptr, 0), 0);
    EXPECT_EQ(FileNames(temp.path()), std::set<std::wstring>{L"Dokument.lnk"});

    EXPECT_EQ(CreateDesktopLink(L"C:\\x\\doc.txt", L"Lumetra Probe.lnk", nullptr, L"Probe", nullptr, 0, 0), 1);
    EXPECT_EQ(ReadShellLink(CurrentUser().desktop + L"\\Lumetra Probe.lnk").description, L"Probe");
}

}  // namespace
}  // namespace lumetra
