#include "app/viewer_settings.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "app/path_helpers.h"
#include "app/toolbar_skin.h"
#include "tests/support/registry_sandbox.h"
#include "tests/support/scoped_environment.h"
#include "tests/support/temp_folder.h"

namespace lumetra {
namespace {

using test::FileExists;
using test::FolderExists;
using test::ReadFileBytes;
using test::RegistrySandbox;
using test::ScopedEnvironmentVariable;
using test::TempFolder;
using test::WriteFileBytes;

constexpr wchar_t kMissing[] = L"<missing>";

std::wstring Setting(const std::wstring& file, const wchar_t* section, const wchar_t* key) {
    wchar_t value[300];
    GetPrivateProfileStringW(section, key, kMissing, value, 300, file.c_str());
    return value;
}

std::string Narrow(const wchar_t* text) { return std::string(text, text + TextLength(text)); }

// A request for a target folder below a test folder of its own, with the folder made
// (the install driver makes it before the settings are written).
struct SettingsCase {
    SettingsCase(const std::wstring& target, const std::wstring& iniFolder, int silent) {
        wchar_t folder[kFolderTextCapacity];
        CopyText(folder, target.c_str());
        EnsureDirectory(folder);
        CopyText(request.TargetFolder, target.c_str());
        CopyText(request.IniFolder, iniFolder.c_str());
        request.Silent = silent;
    }
    std::wstring Write() {
        wchar_t path[kSettingsPathCapacity];
        WriteViewerSettings(request, path);
        return path;
    }
    InstallRequest request;
};

TEST(WriteViewerSettings, WithoutIniFolderEverythingGoesToTheProgramFolder) {
    for (int silent : {0, 1}) {  // the wizard's choice, or a reinstallation outside the default folder
        TempFolder folder;
        const std::wstring programFile = folder / L"Lumetra\\lu_main64.ini";
        SettingsCase settings(L" " + (folder / L"Lumetra") + L" ", L"", silent);
        WriteFileBytes(programFile, "[Others]\r\nINI_Folder=%APPDATA%\\Lumetra\r\nKeep=1\r\n");

        EXPECT_EQ(settings.Write(), programFile);
        EXPECT_EQ(Setting(programFile, L"Others", L"INI_Folder"), kMissing);
        EXPECT_EQ(Setting(programFile, L"Others", L"Keep"), L"1");
        EXPECT_EQ(Setting(programFile, L"Language", L"DLL"), L"DEUTSCH.DLL");
        EXPECT_EQ(Setting(programFile, L"Language", L"Lang"), L"Deutsch");
        EXPECT_EQ(Setting(programFile, L"Language", L"DefaultLang"), kMissing);
        EXPECT_EQ(Setting(programFile, L"Toolbar", L"Skin"), ChooseToolbarSkin().file);
        EXPECT_EQ(Setting(programFile, L"Toolbar", L"Size"), ChooseToolbarSkin().size);
        EXPECT_STREQ(settings.request.IniFolder, L"");
    }
}

TEST(WriteViewerSettings, SettingsFolderGetsTheKeysAndTheProgramFolderOnlyItsName) {
    TempFolder folder;
    ScopedEnvironmentVariable profile(L"LUMETRA_PROFILE", folder / L"Profil");
    SettingsCase settings(folder / L"Lumetra", L"%LUMETRA_PROFILE%\\Lumetra", 1);

    const std::wstring effective = settings.Write();
    EXPECT_EQ(effective, folder / L"Profil\\Lumetra\\lu_main64.ini");
    EXPECT_TRUE(FolderExists(folder / L"Profil\\Lumetra"));
    EXPECT_EQ(ReadFileBytes(folder / L"Lumetra\\lu_main64.ini"),
              "[Others]\r\nINI_Folder=%LUMETRA_PROFILE%\\Lumetra\r\n");
    const ToolbarSkin skin = ChooseToolbarSkin();
    EXPECT_EQ(ReadFileBytes(effective), "[Language]\r\nDLL=DEUTSCH.DLL\r\nLang=Deutsch\r\n[Toolbar]\r\nSkin=" +
                                            Narrow(skin.file) + "\r\nSize=" + Narrow(skin.size) + "\r\n");
}

TEST(WriteViewerSettings, SilentInstallationIntoTheDefaultFolderKeepsSettingsPerUser) {
    struct Case {
        const wchar_t* target;  // below the test folder
        int silent;
        bool redirected;
    };
    const Case cases[] = {
        {L"Programme\\Lumetra", 1, true},
        {L"Programme\\Lumetra\\Neu", 1, true},   // contains the default folder
        {L"programme\\lumetra", 1, false},       // the test is case-sensitive
        {L"Programme\\Lumetra", 0, false},       // the wizard asks the user instead
    };
    for (const Case& c : cases) {
        TempFolder folder;
        RegistrySandbox registry;
        test::WriteRegistryString(HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\Windows\\CurrentVersion",
                                  L"ProgramFilesDir", folder / L"Programme");
        ScopedEnvironmentVariable appData(L"APPDATA", folder / L"Roaming");
        CreateDirectoryW((folder / L"Programme").c_str(), nullptr);
        SettingsCase settings(folder / c.target, L"", c.silent);

        const std::wstring effective = settings.Write();
        const std::wstring programFile = folder / (std::wstring(c.target) + L"\\lu_main64.ini");
        if (c.redirected) {
            EXPECT_STREQ(settings.request.IniFolder, L"%APPDATA%\\Lumetra") << c.target;
            EXPECT_EQ(effective, folder / L"Roaming\\Lumetra\\lu_main64.ini");
            EXPECT_EQ(Setting(programFile, L"Others", L"INI_Folder"), L"%APPDATA%\\Lumetra");
            EXPECT_EQ(Setting(effective, L"Language", L"Lang"), L"Deutsch");
        } else {
            EXPECT_STREQ(settings.request.IniFolder, L"") << c.target;
            EXPECT_EQ(effective, programFile);
            EXPECT_FALSE(FolderExists(folder / L"Roaming"));
        }
    }
}

TEST(WriteViewerSettings, PortableFolderRecordsDefaultsInTheProgramFolder) {
    struct Case {
        const wchar_t* target;
        const wchar_t* iniFolder;  // below the test folder, or empty
        bool portable;
    };
    const Case cases[] = {
        {L"Lumetra", L"Stick\\Lumetra64_App", true},
        {L"Lumetra", L"Stick\\Lumetra32_App\\Daten", true},
        {L"Lumetra", L"Stick\\lumetra64_app", false},  // case-sensitive
        {L"Lumetra64_App", L"", false},                // settings in the program folder
    };
    for (const Case& c : cases) {
        TempFolder folder;
        const std::wstring iniFolder = c.iniFolder[0] ? folder / c.iniFolder : L"";
        SettingsCase settings(folder / c.target, iniFolder, 0);
        const std::wstring programFile = folder / (std::wstring(c.target) + L"\\lu_main64.ini");

        const std::wstring effective = settings.Write();
        EXPECT_EQ(Setting(effective, L"Language", L"DLL"), L"DEUTSCH.DLL") << c.iniFolder;
        EXPECT_EQ(Setting(effective, L"Toolbar", L"Skin"), ChooseToolbarSkin().file);
        if (c.portable) {
            EXPECT_EQ(ReadFileBytes(programFile),
                      "[Others]\r\nINI_Folder=" + Narrow(iniFolder.c_str()) +
                          "\r\n[Language]\r\nDefaultLang=DEUTSCH.DLL\r\nLang=Deutsch\r\n"
                          "[Toolbar]\r\nSkin=Falcon_24.png\r\nSize=24\r\n")
                << c.iniFolder;
        } else {
            EXPECT_EQ(Setting(programFile, L"Language", L"DefaultLang"), kMissing) << c.iniFolder;
        }
    }
}

TEST(WriteViewerSettings, SkinAlreadySetIsKept) {
    TempFolder folder;
    SettingsCase settings(folder / L"Lumetra", folder / L"Stick\\Lumetra64_App", 1);
    CreateDirectoryW((folder / L"Stick").c_str(), nullptr);
    CreateDirectoryW((folder / L"Stick\\Lumetra64_App").c_str(), nullptr);
    const std::wstring effective = folder / L"Stick\\Lumetra64_App\\lu_main64.ini";
    WriteFileBytes(effective, "[Toolbar]\r\nSkin=Heron_16.png\r\nSize=16\r\n[Language]\r\nLang=English\r\n");

    EXPECT_EQ(settings.Write(), effective);
    EXPECT_EQ(Setting(effective, L"Toolbar", L"Skin"), L"Heron_16.png");
    EXPECT_EQ(Setting(effective, L"Toolbar", L"Size"), L"16");
    EXPECT_EQ(Setting(effective, L"Language", L"Lang"), L"Deutsch");  // the language is German all the same
    const std::wstring programFile = folder / L"Lumetra\\lu_main64.ini";
    EXPECT_EQ(Setting(programFile, L"Language", L"DefaultLang"), L"DEUTSCH.DLL");
    EXPECT_EQ(Setting(programFile, L"Toolbar", L"Skin"), kMissing);
}

TEST(WriteViewerSettings, SettingsFolderThatComesToNothingStaysInTheProgramFolder) {
    wchar_t windowsFolder[MAX_PATH];
    GetWindowsDirectoryW(windowsFolder, MAX_PATH);
    const std::wstring windowsFile = std::wstring(windowsFolder) + L"\\lu_main64.ini";
    for (const wchar_t* iniFolder : {L"%LUMETRA_UNSET%", L"%%", L"   "}) {
        TempFolder folder;
        const std::wstring programFile = folder / L"Lumetra\\lu_main64.ini";
        SettingsCase settings(folder / L"Lumetra", iniFolder, 1);
        WriteFileBytes(programFile, "[Others]\r\nINI_Folder=%LUMETRA_UNSET%\r\n");

        EXPECT_EQ(settings.Write(), programFile) << iniFolder;
        EXPECT_EQ(Setting(programFile, L"Others", L"INI_Folder"), kMissing);
        EXPECT_EQ(Setting(programFile, L"Language", L"DLL"), L"DEUTSCH.DLL");
        EXPECT_FALSE(FileExists(windowsFile)) << iniFolder;
        EXPECT_STREQ(settings.request.IniFolder, iniFolder);  // the request is left as it came
    }
}

}  // namespace
}  // namespace lumetra
