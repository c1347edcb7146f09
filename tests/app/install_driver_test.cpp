#include "app/install_driver.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "app/build_constants.h"
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

TEST(RunInstall, CreatesTheFolderWithItsPluginsFolderAndLogsNothing) {
    TempFolder logFolder;
    TempFolder target;
    ScopedCurrentFolder inside(logFolder.path());
    InstallRequest request = SilentRequest(target / L"Neu\\Lumetra");
    InstallFailure failure = InstallFailure::InvalidFolder;
    EXPECT_EQ(RunInstall(request, &failure), 1);
    EXPECT_EQ(failure, InstallFailure::None);
    EXPECT_TRUE(FolderExists(target / L"Neu\\Lumetra\\Plugins"));
    EXPECT_FALSE(test::FileExists(logFolder / L"Lumetra_Install.log"));
}

}  // namespace
}  // namespace lumetra
