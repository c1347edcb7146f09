// Build constants of the setup: the version it installs, the names it shares with the
// viewer and the addresses it opens. The resource compiler reads the macro part; the
// C++ part gives the same values typed names.
#pragma once

#define LUMETRA_VERSION_MAJOR 4
#define LUMETRA_VERSION_MINOR 59
#define LUMETRA_VERSION_TEXT "4.59"
#define LUMETRA_VERSION_FULL_TEXT "4.59.0.0"
#define LUMETRA_SETUP_FILE_NAME "lumetra-4.59-x64-setup.exe"
#define LUMETRA_BITNESS_TEXT "64"
#define LUMETRA_COMPANY_NAME "Kerbridge"

// The icon library of the plug-in folder has a version of its own. A copy of exactly
// this version and size is the one an earlier setup shipped, which a new one replaces.
#define LUMETRA_ICONS_LIBRARY_VERSION_MAJOR 4
#define LUMETRA_ICONS_LIBRARY_VERSION_MINOR 3
#define LUMETRA_ICONS_LIBRARY_VERSION_TEXT "4.30"
#define LUMETRA_ICONS_LIBRARY_SIZE 226816

#ifndef RC_INVOKED

namespace lumetra {

struct ViewerVersionNumber {
    int major;
    int minor;
};

// The viewer version this setup installs: shown as "4.59".
inline constexpr ViewerVersionNumber ViewerVersion = {LUMETRA_VERSION_MAJOR, LUMETRA_VERSION_MINOR};
inline constexpr wchar_t kBitnessText[] = L"" LUMETRA_BITNESS_TEXT;

// Title of the wizard and of every message box.
inline constexpr wchar_t kSetupCaption[] = L"Lumetra 64-bit Setup";
// A top-level window of this class means that the viewer is running.
inline constexpr wchar_t kViewerWindowClass[] = L"Lumetra";

inline constexpr wchar_t kViewerExeName[] = L"lu_main64.exe";
inline constexpr wchar_t kUninstallerExeName[] = L"lm_uninstall.exe";
// Documents of the payload that the Start-menu group links to; the help file lives in
// the "help" subfolder of the install folder.
inline constexpr wchar_t kAboutFileName[] = L"l_about.txt";
inline constexpr wchar_t kChangesFileName[] = L"l_changes.txt";
inline constexpr wchar_t kOptionsFileName[] = L"l_options.txt";
inline constexpr wchar_t kPluginListFileName[] = L"l_plugins.txt";
inline constexpr wchar_t kLanguageListFileName[] = L"l_languages.txt";
inline constexpr wchar_t kHelpFolderName[] = L"help";
inline constexpr wchar_t kHelpFileName[] = L"lu_main32_deutsch.chm";
// The Start-menu group, a subfolder of the programs folder.
inline constexpr wchar_t kStartMenuGroupName[] = L"Lumetra";
inline constexpr wchar_t kInstallLogName[] = L"Lumetra_Install.log";
inline constexpr wchar_t kSettingsFileName[] = L"lu_main64.ini";
inline constexpr wchar_t kSettingsTempFileName[] = L"lu_main64.ini_temp";
inline constexpr wchar_t kPayloadTempFileName[] = L"lumeng_x64.zip";
inline constexpr wchar_t kPluginsFolderName[] = L"Plugins";
inline constexpr wchar_t kIconsLibraryName[] = L"Icons.dll";

// Files of the payload that the viewer's settings name: its German language library and
// its toolbar skins, one per button size.
inline constexpr wchar_t kGermanLanguageLibraryName[] = L"DEUTSCH.DLL";
inline constexpr wchar_t kToolbarSkin48FileName[] = L"gnome-colors-human_48.png";
inline constexpr wchar_t kToolbarSkin32FileName[] = L"gnome-colors-wise_32.png";
inline constexpr wchar_t kToolbarSkin24FileName[] = L"Falcon_24.png";
inline constexpr wchar_t kToolbarSkin16FileName[] = L"Heron_16.png";
// The maker: named in the version resources of the viewer's files and as the publisher
// of the uninstall entry.
inline constexpr wchar_t kCompanyName[] = L"" LUMETRA_COMPANY_NAME;
// Version text and size of the icon library that earlier setups installed.
inline constexpr wchar_t kIconsLibraryReferenceVersion[] = L"" LUMETRA_ICONS_LIBRARY_VERSION_TEXT;
inline constexpr long long kIconsLibraryShippedSize = LUMETRA_ICONS_LIBRARY_SIZE;

// Settings folder proposed for a fresh installation; expanded only when written.
inline constexpr wchar_t kAppDataSettingsFolder[] = L"%APPDATA%\\Lumetra";
// Used when the program-files folder cannot be read from the registry.
inline constexpr wchar_t kFallbackInstallFolder[] = L"C:\\Lumetra\\";
inline constexpr wchar_t kProductFolderName[] = L"Lumetra";

inline constexpr wchar_t kEulaAddress[] = L"https://www.lumetra.example/de/eula.html";
inline constexpr wchar_t kFaqAddress[] = L"https://www.lumetra.example/de/faq.html";

}  // namespace lumetra

#endif  // RC_INVOKED
