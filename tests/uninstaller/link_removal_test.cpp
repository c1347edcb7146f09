#include "uninstaller/link_removal.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "registration/shell_link.h"
#include "tests/support/temp_folder.h"

namespace lumetra {
namespace {

using test::FolderContent;
using test::TempFolder;
using test::WriteFileBytes;

// A group folder beside an install folder, with links made by the shell's link object.
struct LinkFolders {
    TempFolder root;
    std::wstring group = root / L"Gruppe\\";
    PathText installFolder = {};

    LinkFolders() {
        CreateDirectoryW(group.c_str(), nullptr);
        CreateDirectoryW((root / L"Lumetra").c_str(), nullptr);
        NormaliseFolder((root / L"Lumetra").c_str(), installFolder);
    }

    void Link(const wchar_t* name, const std::wstring& target) {
        ShellLinkProperties properties;
        properties.target = target.c_str();
        ASSERT_EQ(SaveShellLink((group + name).c_str(), properties), 1);
    }
};

TEST(ReadLinkTarget, GivesTheStoredPathOfALinkAndNothingForOtherFiles) {
    LinkFolders folders;
    const std::wstring target = std::wstring(folders.installFolder) + L"lu_main64.exe";  // need not exist
    folders.Link(L"Viewer.lnk", target);
    WriteFileBytes(folders.group + L"Kaputt.lnk", "not a link");
    PathText read;
    ASSERT_TRUE(ReadLinkTarget((folders.group + L"Viewer.lnk").c_str(), read));
    EXPECT_EQ(std::wstring(read), target);
    EXPECT_FALSE(ReadLinkTarget((folders.group + L"Kaputt.lnk").c_str(), read));
    EXPECT_FALSE(ReadLinkTarget((folders.group + L"Fehlt.lnk").c_str(), read));
}

TEST(RemoveLinksInto, RemovesOnlyLinksIntoTheInstallFolder) {
    LinkFolders folders;
    const std::wstring install = folders.installFolder;
    folders.Link(L"Lumetra 64 4.59.lnk", install + L"lu_main64.exe");
    folders.Link(L"Lumetra Hilfe.lnk", install + L"help\\lu_main32_deutsch.chm");
    folders.Link(L"Lumetra 64 4.56.lnk", install + L"lu_main64.exe");  // an older version's, same folder
    folders.Link(L"Andere Installation.lnk", folders.root / L"Lumetra2\\lu_main64.exe");
    folders.Link(L"Editor.lnk", L"C:\\windows\\notepad.exe");
    folders.Link(L"Umweg.lnk", install + L"..\\Lumetra-Daten\\x.txt");
    WriteFileBytes(folders.group + L"Kaputt.lnk", "not a link");
    WriteFileBytes(folders.group + L"Notiz.txt", "mine");

    RemoveLinksInto(folders.group.c_str(), folders.installFolder, nullptr, 0);
    EXPECT_EQ(FolderContent(folders.group),
              (std::vector<std::wstring>{L"Andere Installation.lnk", L"Editor.lnk", L"Kaputt.lnk", L"Notiz.txt",
                                         L"Umweg.lnk"}));
}

TEST(RemoveLinksInto, WithNamesOnlyThoseLinksAreLookedAt) {
    LinkFolders folders;
    const std::wstring viewer = std::wstring(folders.installFolder) + L"lu_main64.exe";
    folders.Link(L"Lumetra 64.lnk", viewer);
    folders.Link(L"Lumetra 64 Thumbnails.lnk", L"C:\\windows\\notepad.exe");  // the name, but not ours
    folders.Link(L"Mein Lumetra.lnk", viewer);                                 // ours, but the user's name

    const wchar_t* names[] = {L"Lumetra 64.lnk", L"Lumetra 64 Thumbnails.lnk", L"Fehlt.lnk"};
    RemoveLinksInto(folders.group.c_str(), folders.installFolder, names, 3);
    EXPECT_EQ(FolderContent(folders.group),
              (std::vector<std::wstring>{L"Lumetra 64 Thumbnails.lnk", L"Mein Lumetra.lnk"}));
}

}  // namespace
}  // namespace lumetra
