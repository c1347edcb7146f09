// Registry names shared by the application registration, the file associations and the
// uninstaller, which removes exactly what they write.
#pragma once

namespace lumetra {

// Prefix of every class the viewer registers: the viewer's own class "Lumetra" and the
// file classes "Lumetra.<suffix>".
inline constexpr wchar_t kClassPrefix[] = L"Lumetra";

// The viewer's own class and its open command, which also tells a later setup where the
// viewer was installed.
inline constexpr wchar_t kViewerClassKey[] = L"SOFTWARE\\Classes\\Lumetra";
inline constexpr wchar_t kViewerOpenCommandKey[] = L"SOFTWARE\\Classes\\Lumetra\\shell\\open\\command";

// The application key under HKEY_LOCAL_MACHINE, its capabilities and the capabilities'
// file associations, which the association writer fills but never creates.
inline constexpr wchar_t kApplicationKey[] = L"SOFTWARE\\Lumetra";
inline constexpr wchar_t kCapabilitiesKey[] = L"SOFTWARE\\Lumetra\\Capabilities";
inline constexpr wchar_t kCapabilityAssociationsKey[] = L"SOFTWARE\\Lumetra\\Capabilities\\FileAssociations";

// The list of registered applications (never created by the setup) and the viewer's
// value in it, which names the capabilities key.
inline constexpr wchar_t kRegisteredApplicationsKey[] = L"SOFTWARE\\RegisteredApplications";
inline constexpr wchar_t kRegisteredApplicationName[] = L"Lumetra";

// The entry of Programs and Features under HKEY_LOCAL_MACHINE.
inline constexpr wchar_t kUninstallKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Lumetra64";
inline constexpr wchar_t kInstallLocationValue[] = L"InstallLocation";

// Under HKEY_CLASSES_ROOT, formatted with the executable's file name.
inline constexpr wchar_t kApplicationsEntryFormat[] = L"Applications\\%ls";

// The browse verb's key under every folder and every drive, formatted with the class
// ("Directory" or "Drive") and the verb's caption.
inline constexpr const wchar_t* kBrowsableClasses[] = {L"Directory", L"Drive"};
inline constexpr wchar_t kBrowseVerbKeyFormat[] = L"SOFTWARE\\Classes\\%ls\\shell\\%ls";

// Under HKEY_LOCAL_MACHINE: an extension's key (formatted with the extension without its
// dot) and a class key (formatted with the ProgID).
inline constexpr wchar_t kExtensionKeyFormat[] = L"SOFTWARE\\Classes\\.%ls";
inline constexpr wchar_t kClassKeyFormat[] = L"SOFTWARE\\Classes\\%ls";

// The user's Explorer choice for an extension under HKEY_CURRENT_USER, formatted with the
// extension without its dot, and the value that names the chosen class.
inline constexpr wchar_t kUserChoiceKeyFormat[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts\\.%ls\\UserChoice";
inline constexpr wchar_t kUserChoiceProgIdValue[] = L"Progid";

// The classes of the packaged photo, video and music apps under HKEY_CURRENT_USER that
// would otherwise push themselves into the Open-with list of the newly associated
// types, and the mark that keeps them out of it.
inline constexpr const wchar_t* kStoreAppClasses[] = {
    L"SOFTWARE\\Classes\\AppXvhc4p7vz4b485xfp46hhk3fq3grkdgjg",
    L"SOFTWARE\\Classes\\AppXk0g4vb8gvt7b93tg50ybcy892pge6jmt",
    L"SOFTWARE\\Classes\\AppX43hnxtbyyps62jhe9sqpdzxn1790zetc",
    L"SOFTWARE\\Classes\\AppX9rkaq77s0jzh1tyccadx9ghba15r6t3h",
    L"SOFTWARE\\Classes\\AppX6eg8h5sxqq90pv53845wmnbewywdqq5h",
};
inline constexpr wchar_t kNoOpenWithValue[] = L"NoOpenWith";

}  // namespace lumetra
