#include "app/install_driver.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/build_constants.h"
#include "tests/support/scoped_environment.h"
#include "tests/support/temp_folder.h"

namespace lumetra {
namespace {

using test::FolderExists;
using test::ReadFileBytes;
using test::ScopedCurrentFolder;
using test::TempFolder;

InstallRequest SilentRequest(const std::wstring& folder) {
    InstallRequest request;
    request.Silent = 1;
    request.Caption = kSetupCaption;
    CopyText(request.TargetFolder, folder.c_str());
    return request;
}

// The text of the log's only entry, after "<date> - <time>: ", up to the separator.
std::string OnlyLogText(const std::wstring& folder) {
    const std::string log = ReadFileBytes(folder + L"\\Lumetra_Install.log");
    const size_t start = log.find(": ");
    const size_t separator = log.find("\r\n----");
    if (start == std::string::npos || separator == std::string::npos) return "<no entry>";
    EXPECT_EQ(log.find("\r\n----", separator + 1), std::string::npos) << "more than one entry";
    return log.substr(start + 2, separator - start - 2);
}

TEST(RunInstall, EmptyFolderIsRefused) {
    TempFolder logFolder;
    ScopedCurrentFolder inside(logFolder.path());
    InstallRequest request = SilentRequest(L"");
    InstallFailure failure = InstallFailure::None;
    EXPECT_EQ(RunInstall(request, &failure), 0);
    EXPECT_EQ(failure, InstallFailure::InvalidFolder);
    EXPECT_EQ(OnlyLogText(logFolder.path()), "Ung\xFCltiges Zielverzeichnis!: ");
}

TEST(RunInstall, FolderOfSpacesCannotBeCreated) {
    TempFolder logFolder;
    ScopedCurrentFolder inside(logFolder.path());
    InstallRequest request = SilentRequest(L"   ");
    InstallFailure failure = InstallFailure::None;
    EXPECT_EQ(RunInstall(request, &failure), 0);
    EXPECT_EQ(failure, InstallFailure::FolderNotCreated);
    const std::string text = OnlyLogText(logFolder.path());
    EXPECT_EQ(text.rfind("Kann Zielverzeichnis nicht erstellen!\r\n\r\n", 0), 0u) << text;
    EXPECT_EQ(text.substr(text.size() - 2), ": ");
}

TEST(RunInstall, MissingDriveReportsTheNormalisedFolder) {
    TempFolder logFolder;
    ScopedCurrentFolder inside(logFolder.path());
    InstallRequest request = SilentRequest(L"  Q:\\Lumetra  ");
    EXPECT_EQ(RunInstall(request), 0);
    const std::string text = OnlyLogText(logFolder.path());
    EXPECT_EQ(text.rfind("Kann Zielverzeichnis nicht erstellen!", 0), 0u) << text;
    EXPECT_EQ(text.substr(text.size() - 26), "zu erstellen.: Q:\\Lumetra\\");
}

TEST(RunInstall, CreatesTheFolderUnpacksThePayloadAndLogsNothing) {
    TempFolder logFolder;
    TempFolder target;
    ScopedCurrentFolder inside(logFolder.path());
    InstallRequest request = SilentRequest(target / L"Neu\\Lumetra");
    InstallFailure failure = InstallFailure::InvalidFolder;
    EXPECT_EQ(RunInstall(request, &failure), 1);
    EXPECT_EQ(failure, InstallFailure::None);
    EXPECT_TRUE(FolderExists(target / L"Neu\\Lumetra\\Plugins"));
    for (const wchar_t* file : {L"lu_main64.exe", L"lm_uninstall.exe", L"Plugins\\Icons.dll",
                                L"Languages\\Deutsch.dll", L"Help\\lu_main32_deutsch.chm"}) {
        EXPECT_TRUE(test::FileExists(target / L"Neu\\Lumetra\\" + file)) << testing::PrintToString(std::wstring(file));
    }
    EXPECT_FALSE(test::FileExists(logFolder / L"Lumetra_Install.log"));
}

// An icon library installed before the run, and what it holds afterwards.
std::string IconsLibraryAfterInstall(const std::wstring& fixture) {
    TempFolder logFolder;
    TempFolder target;
    ScopedCurrentFolder inside(logFolder.path());
    CreateDirectoryW((target / L"Plugins").c_str(), nullptr);
    EXPECT_TRUE(CopyFileW((test::ProgramFolder() + L"\\" + fixture + L".dll").c_str(),
                          (target / L"Plugins\\Icons.dll").c_str(), FALSE));
    InstallRequest request = SilentRequest(target.path());
    EXPECT_EQ(RunInstall(request), 1);
    EXPECT_TRUE(test::FileExists(target / L"lu_main64.exe"));
    return ReadFileBytes(target / L"Plugins\\Icons.dll");
}

TEST(RunInstall, NewerIconsLibraryStaysInPlace) {
    const std::string before = ReadFileBytes(test::ProgramFolder() + L"\\icons_435_other.dll");
    ASSERT_FALSE(before.empty());
    EXPECT_EQ(IconsLibraryAfterInstall(L"icons_435_other"), before);
}

TEST(RunInstall, OlderIconsLibraryOfOursIsReplaced) {
    EXPECT_EQ(IconsLibraryAfterInstall(L"icons_420_kerbridge_lower").size(), 226816u);
}

TEST(RunInstall, FailedUnpackingIsReportedFolderFirst) {
    TempFolder logFolder;
    TempFolder target;
    ScopedCurrentFolder inside(logFolder.path());
    test::ScopedEnvironmentVariable tmp(L"TMP", logFolder / L"fehlt");
    InstallRequest request = SilentRequest(target.path());
    InstallFailure failure = InstallFailure::None;
    EXPECT_EQ(RunInstall(request, &failure), 0);
    EXPECT_EQ(failure, InstallFailure::PayloadFailed);
    const std::string folder(target.path().begin(), target.path().end());  // ASCII
    EXPECT_EQ(OnlyLogText(logFolder.path()),
              folder + "\\: Fehler beim Installieren!\r\n\r\n\xDC" "berpr\xFC" "fen Sie bitte ob Lumetra l\xE4uft, das "
              "Zielverzeichnis voll ist oder keine Schreibrechte vorhanden sind!\r\n\r\n(Der Installer sollte im "
              "ADMIN-Modus gestartet werden, z.B. den Installer mit der rechten Maustaste anklicken)");
    EXPECT_EQ(test::FolderContent(target.path()), std::vector<std::wstring>{L"Plugins\\"});
}

}  // namespace
}  // namespace lumetra
