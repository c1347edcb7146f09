// What the registration is expected to write, built line by line for the exact registry
// comparisons of the registration tests.
#pragma once

#include <windows.h>

#include <cstdlib>
#include <string>

#include "registration/association_selection.h"
#include "registration/file_type_table.h"
#include "tests/support/registry_snapshot.h"

namespace lumetra::test {

inline constexpr wchar_t kCapabilityAssociations[] = L"SOFTWARE\\Lumetra\\Capabilities\\FileAssociations";

inline const wchar_t* const kStoreAppClassKeys[] = {
    L"SOFTWARE\\Classes\\AppXvhc4p7vz4b485xfp46hhk3fq3grkdgjg",
    L"SOFTWARE\\Classes\\AppXk0g4vb8gvt7b93tg50ybcy892pge6jmt",
    L"SOFTWARE\\Classes\\AppX43hnxtbyyps62jhe9sqpdzxn1790zetc",
    L"SOFTWARE\\Classes\\AppX9rkaq77s0jzh1tyccadx9ghba15r6t3h",
    L"SOFTWARE\\Classes\\AppX6eg8h5sxqq90pv53845wmnbewywdqq5h",
};

inline std::wstring UserChoiceKey(const std::wstring& extension) {
    return L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts\\." + extension + L"\\UserChoice";
}

// The windows version the test program was started under, as the test harness names it
// (LUMETRA_WINDOWS_VERSION; unset means the prefix's default, Windows 7).
inline bool HarnessReportsWindows8OrLater() {
    const char* version = std::getenv("LUMETRA_WINDOWS_VERSION");
    const std::string name = version ? version : "win7";
    return name == "win8" || name == "win81" || name == "win10";
}

struct AssociationExpectation {
    std::wstring executable;
    AssociationSelection selection;
    bool associateFiles = false;
    bool windows8OrLater = false;
    bool capabilitiesKeyExists = true;
};

// The classes, defaults, capability values, user choices and Open-with marks of the 86
// extensions, as the file associations write them.
inline void ExpectAssociations(ExpectedRegistry& machine, ExpectedRegistry& user, const AssociationExpectation& e) {
    const std::wstring openCommand = L"\"" + e.executable + L"\" \"%1\"";
    for (size_t row = 0; row < kFileTypeRowCount; ++row) {
        const bool selected = e.selection.IsSelected(row);
        const FileTypeEntry& entry = FileTypeTable[row];
        for (size_t i = 0; i < entry.extensionCount; ++i) {
            const std::wstring extension = entry.extensions[i].extension;
            const std::wstring suffix = entry.extensions[i].progIdSuffix;
            const std::wstring progId = L"Lumetra." + suffix;
            std::wstring upper = suffix;
            for (wchar_t& c : upper) c = static_cast<wchar_t>(c >= L'a' && c <= L'z' ? c - 32 : c);
            std::wstring icon = L"%1";
            switch (entry.extensions[i].icon) {
                case IconSource::FileItself: break;
                case IconSource::ProgramIcon0: icon = e.executable + L",0"; break;
                case IconSource::ProgramIcon8: icon = e.executable + L",8"; break;
                case IconSource::ProgramIcon9: icon = e.executable + L",9"; break;
            }
            if (selected || extension == L"jpg" || extension == L"png" || extension == L"tif") {
                machine.String(L"SOFTWARE\\Classes\\." + extension, nullptr, progId);
            }
            machine.String(L"SOFTWARE\\Classes\\" + progId, nullptr, L"Lumetra " + upper + L" File");
            machine.String(L"SOFTWARE\\Classes\\" + progId + L"\\shell\\open\\command", nullptr, openCommand);
            machine.String(L"SOFTWARE\\Classes\\" + progId + L"\\DefaultIcon", nullptr, icon);
            if (e.capabilitiesKeyExists) machine.String(kCapabilityAssociations, (L"." + extension).c_str(), progId);
            if (selected) user.String(UserChoiceKey(extension), L"Progid", progId);
        }
    }
    if (e.associateFiles && e.windows8OrLater) {
        for (const wchar_t* key : kStoreAppClassKeys) user.String(key, L"NoOpenWith", L"");
    }
}

inline constexpr wchar_t kUninstallKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Lumetra64";
inline constexpr wchar_t kBrowseCaption[] = L"Durchsuchen mit &Lumetra";

struct ApplicationExpectation {
    std::wstring folder;  // normalised: trimmed, with its trailing backslash
    bool thumbnails = false;
    bool registeredApplicationsExists = false;
};

// The application's own entries: verbs, class, Applications and uninstall entries,
// application key. The file associations that follow them come from ExpectAssociations.
inline void ExpectApplicationRows(ExpectedRegistry& machine, ExpectedRegistry& classesRoot,
                                  const ApplicationExpectation& e) {
    const std::wstring executable = e.folder + L"lu_main64.exe";
    const std::wstring openCommand = L"\"" + executable + L"\" \"%1\"";
    if (e.thumbnails) {
        for (const std::wstring browsable : {L"Directory", L"Drive"}) {
            const std::wstring verb = L"SOFTWARE\\Classes\\" + browsable + L"\\shell\\" + kBrowseCaption;
            machine.String(verb, nullptr, kBrowseCaption);
            machine.String(verb + L"\\command", nullptr, openCommand + L" /thumbs");
        }
    }
    machine.String(L"SOFTWARE\\Classes\\Lumetra", nullptr, L"Lumetra");
    machine.String(L"SOFTWARE\\Classes\\Lumetra\\shell\\open\\command", nullptr, openCommand);
    classesRoot.String(L"Applications\\lu_main64.exe\\shell\\open\\command", nullptr, openCommand);
    classesRoot.String(L"Applications\\lu_main64.exe", L"FriendlyAppName", L"Lumetra 64-bit");
    machine.String(kUninstallKey, nullptr, L"");
    machine.String(kUninstallKey, L"DisplayName", L"Lumetra 4.59 (64-bit)");
    machine.String(kUninstallKey, L"UninstallString", L"\"" + e.folder + L"lm_uninstall.exe\"");
    machine.String(kUninstallKey, L"Publisher", L"Kerbridge");
    machine.String(kUninstallKey, L"InstallLocation", e.folder);
    machine.String(kUninstallKey, L"DisplayVersion", L"4.59");
    machine.String(kUninstallKey, L"DisplayIcon", executable + L",0");
    machine.Dword(kUninstallKey, L"VersionMajor", 4);
    machine.Dword(kUninstallKey, L"VersionMinor", 59);
    machine.Dword(kUninstallKey, L"EstimatedSize", 7168);
    machine.Key(L"SOFTWARE\\Lumetra");
    machine.String(L"SOFTWARE\\Lumetra\\shell\\open\\command", nullptr, L"\"" + executable + L"\"");
    machine.String(L"SOFTWARE\\Lumetra\\Capabilities", L"ApplicationDescription",
                   L"Picture viewer, editor and converter - one of the most popular viewers worldwide");
    machine.Key(kCapabilityAssociations);
    if (e.registeredApplicationsExists) {
        machine.String(L"SOFTWARE\\RegisteredApplications", L"Lumetra", L"SOFTWARE\\Lumetra\\Capabilities");
    }
}

}  // namespace lumetra::test
