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
inline constexpr wchar_t kInstallLogName[] = L"Lumetra_Install.log";
inline constexpr wchar_t kSettingsFileName[] = L"lu_main64.ini";
inline constexpr wchar_t kSettingsTempFileName[] = L"lu_main64.ini_temp";
inline constexpr wchar_t kPayloadTempFileName[] = L"lumeng_x64.zip";
inline constexpr wchar_t kPluginsFolderName[] = L"Plugins";
inline constexpr wchar_t kIconsLibraryName[] = L"Icons.dll";

// The maker named in the version resources of the viewer's files.
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
