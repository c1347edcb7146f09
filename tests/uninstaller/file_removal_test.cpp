#include "uninstaller/file_removal.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "tests/support/temp_folder.h"
#include "uninstaller/payload_entries.h"

namespace lumetra {
namespace {

using test::FolderContent;
using test::TempFolder;
using test::WriteFileBytes;

// An installation as the setup leaves it: every entry of the payload and the program
// folder's settings file.
struct Installation {
    TempFolder root;
    PathText folder = {};

    Installation() {
        NormaliseFolder(root.path().c_str(), folder);
        for (size_t i = 0; i < kPayloadEntryCount; ++i) {
            const PayloadEntry& entry = kPayloadEntries[i];
            if (entry.isFolder) {
                CreateDirectoryW((root / entry.name).c_str(), nullptr);
            } else {
                WriteFileBytes(root / entry.name, "payload");
            }
        }
        WriteFileBytes(root / L"lu_main64.ini", "[Others]\r\nINI_Folder=%APPDATA%\\Lumetra\r\n");
    }
};

TEST(PayloadEntries, AreTheArchivesEntriesWithEveryFolderBeforeItsFiles) {
    ASSERT_EQ(kPayloadEntryCount, 39u);
    std::set<std::wstring> folders;
    std::set<std::wstring> names;
    for (size_t i = 0; i < kPayloadEntryCount; ++i) {
        const std::wstring name = kPayloadEntries[i].name;
        EXPECT_TRUE(names.insert(name).second) << "twice: " << testing::PrintToString(name);
        EXPECT_EQ(name.find(L'/'), std::wstring::npos);
        EXPECT_NE(name.back(), L'\\');
        const size_t separator = name.rfind(L'\\');
        if (separator != std::wstring::npos) {
            EXPECT_EQ(folders.count(name.substr(0, separator)), 1u) << testing::PrintToString(name);
        }
        if (kPayloadEntries[i].isFolder) folders.insert(name);
    }
    EXPECT_EQ(folders, (std::set<std::wstring>{L"Languages", L"Plugins", L"Help", L"Html", L"Toolbars"}));
    for (const wchar_t* reliedOn : {L"lu_main64.exe", L"lm_uninstall.exe", L"l_about.txt",
                                    L"Help\\lu_main32_deutsch.chm", L"Languages\\Deutsch.dll", L"Plugins\\Icons.dll",
                                    L"Toolbars\\Falcon_24.png"}) {
        EXPECT_EQ(names.count(reliedOn), 1u) << testing::PrintToString(std::wstring(reliedOn));
    }
}

TEST(RemoveInstalledFiles, RemovesThePayloadButKeepsTheUsersFilesAndTheirFolders) {
    Installation installation;
    TempFolder& root = installation.root;
    WriteFileBytes(root / L"Meine Notizen.txt", "mine");
    WriteFileBytes(root / L"Plugins\\Fremd.dll", "mine");
    WriteFileBytes(root / L"Toolbars\\Falcon_24.png.bak", "mine");
    SetFileAttributesW((root / L"l_about.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    CreateDirectoryW((root / L"Html\\Eigene").c_str(), nullptr);

    PathText failed;
    ASSERT_TRUE(RemoveInstalledFiles(installation.folder, failed));
    EXPECT_STREQ(failed, L"");
    EXPECT_EQ(FolderContent(root.path()), (std::vector<std::wstring>{L"Html\\", L"Meine Notizen.txt", L"Plugins\\",
                                                                      L"Toolbars\\", L"lm_uninstall.exe"}));
    EXPECT_EQ(FolderContent(root / L"Plugins"), std::vector<std::wstring>{L"Fremd.dll"});
    EXPECT_EQ(FolderContent(root / L"Html"), std::vector<std::wstring>{L"Eigene\\"});

    // The uninstaller's own file goes last; the folder stays for the user's files.
    EXPECT_FALSE(RemoveUninstallerAndFolder(installation.folder));
    EXPECT_EQ(FolderContent(root.path()),
              (std::vector<std::wstring>{L"Html\\", L"Meine Notizen.txt", L"Plugins\\", L"Toolbars\\"}));
}

TEST(RemoveInstalledFiles, AFolderHoldingOnlyThePayloadGoesCompletely) {
    Installation installation;
    WriteFileBytes(installation.root / L"lu_main64.ini_temp", "left by the conversion");
    PathText failed;
    ASSERT_TRUE(RemoveInstalledFiles(installation.folder, failed));
    EXPECT_EQ(FolderContent(installation.root.path()), std::vector<std::wstring>{L"lm_uninstall.exe"});
    EXPECT_TRUE(RemoveUninstallerAndFolder(installation.folder));
    EXPECT_FALSE(test::FolderExists(installation.root.path()));
}

TEST(RemoveInstalledFiles, AFileInUseKeepsTheViewerSoThatASecondRunFindsTheInstallation) {
    Installation installation;
    const std::wstring locked = installation.root / L"Plugins\\Exif.dll";
    HANDLE inUse = CreateFileW(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(inUse, INVALID_HANDLE_VALUE);

    PathText failed;
    EXPECT_FALSE(RemoveInstalledFiles(installation.folder, failed));
    EXPECT_EQ(CompareStringOrdinal(failed, -1, locked.c_str(), -1, TRUE), CSTR_EQUAL) << testing::PrintToString(
        std::wstring(failed));
    EXPECT_TRUE(HoldsViewer(installation.folder));
    EXPECT_FALSE(test::FileExists(installation.root / L"l_about.txt")) << "the other files went all the same";

    CloseHandle(inUse);
    ASSERT_TRUE(RemoveInstalledFiles(installation.folder, failed));
    EXPECT_FALSE(HoldsViewer(installation.folder));
}

TEST(RemoveFileOfOurs, AMissingFileOrAFolderOfThatNameCountsAsDone) {
    TempFolder root;
    EXPECT_TRUE(RemoveFileOfOurs((root / L"fehlt.txt").c_str()));
    EXPECT_TRUE(RemoveFileOfOurs((root / L"fehlt\\auch.txt").c_str()));
    CreateDirectoryW((root / L"l_about.txt").c_str(), nullptr);
    EXPECT_TRUE(RemoveFileOfOurs((root / L"l_about.txt").c_str()));
    EXPECT_TRUE(test::FolderExists(root / L"l_about.txt")) << "a folder is not the payload's file";
}

}  // namespace
}  // namespace lumetra
