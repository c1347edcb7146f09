#include "uninstaller/registration_removal.h"

#include <windows.h>
#include <shlobj.h>

#include "app/build_constants.h"
#include "app/resource_strings.h"
#include "app/text_buffer.h"
#include "framework/handles.h"
#include "registration/file_associations.h"
#include "registration/file_type_table.h"
#include "registration/registry_names.h"
#include "uninstaller/install_folder.h"
#include "uninstaller/uninstaller_resource.h"

namespace lumetra {
namespace {

using KeyText = wchar_t[kPathCapacity];

// A key with neither values nor subkeys.
bool IsKeyEmpty(HKEY root, const wchar_t* path) {
    UniqueHKey key;
    if (RegOpenKeyExW(root, path, 0, KEY_QUERY_VALUE, key.put()) != ERROR_SUCCESS) return false;
    DWORD subkeys = 0;
    DWORD values = 0;
    return RegQueryInfoKeyW(key.get(), nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values, nullptr,
                            nullptr, nullptr, nullptr) == ERROR_SUCCESS &&
           subkeys == 0 && values == 0;
}

// Deletes path when it is empty, then its parents while they are empty, but never
// more than levels keys: the parents the setup may have created, and no others.
void DeleteEmptyKeys(HKEY root, const wchar_t* path, int levels) {
    KeyText current;
    if (!CopyText(current, path)) return;
    for (int level = 0; level < levels && current[0] != L'\0'; ++level) {
        if (!IsKeyEmpty(root, current) || RegDeleteKeyW(root, current) != ERROR_SUCCESS) return;
        wchar_t* lastSeparator = nullptr;
        for (wchar_t* c = current; *c != L'\0'; ++c) {
            if (*c == L'\\') lastSeparator = c;
        }
        if (lastSeparator == nullptr) return;
        *lastSeparator = L'\0';
    }
}

// The string data of a value, or an empty text when it is missing, is not a string or
// does not fit.
bool ReadString(HKEY root, const wchar_t* path, const wchar_t* name, KeyText& data) {
    data[0] = L'\0';
    UniqueHKey key;
    if (RegOpenKeyExW(root, path, 0, KEY_QUERY_VALUE, key.put()) != ERROR_SUCCESS) return false;
    DWORD type = REG_NONE;
    DWORD bytes = sizeof(data) - sizeof(wchar_t);
    if (RegQueryValueExW(key.get(), name, nullptr, &type, reinterpret_cast<BYTE*>(data), &bytes) != ERROR_SUCCESS ||
        type != REG_SZ) {
        data[0] = L'\0';
        return false;
    }
    data[bytes / sizeof(wchar_t)] = L'\0';
    return true;
}

void DeleteValue(HKEY root, const wchar_t* path, const wchar_t* name) {
    UniqueHKey key;
    if (RegOpenKeyExW(root, path, 0, KEY_SET_VALUE, key.put()) == ERROR_SUCCESS) RegDeleteValueW(key.get(), name);
}

bool EqualsIgnoringCase(const wchar_t* first, const wchar_t* second) {
    return CompareStringOrdinal(first, -1, second, -1, TRUE) == CSTR_EQUAL;
}

// "Durchsuchen mit &Lumetra" under every folder and every drive; the shell keys above
// it go too when nothing else is left in them.
void RemoveBrowseVerbs() {
    wchar_t caption[kPathCapacity];
    LoadResourceString(IDS_BROWSE_VERB, caption);
    if (caption[0] == L'\0') return;  // an empty name would name the shell key itself
    for (const wchar_t* browsable : kBrowsableClasses) {
        KeyText verbKey;
        if (!FormatText(verbKey, kBrowseVerbKeyFormat, browsable, caption)) continue;
        RegDeleteTreeW(HKEY_LOCAL_MACHINE, verbKey);
        KeyText shellKey;
        if (FormatText(shellKey, L"SOFTWARE\\Classes\\%ls\\shell", browsable)) {
            DeleteEmptyKeys(HKEY_LOCAL_MACHINE, shellKey, 2);
        }
    }
}

// The Applications entry was written through HKEY_CLASSES_ROOT, which Windows places in
// the user's classes when it has the key there already: deleting through the merged
// view removes the user's copy first, then the machine's.
void RemoveApplicationsEntry() {
    KeyText entryKey;
    if (!FormatText(entryKey, kApplicationsEntryFormat, kViewerExeName)) return;
    for (int copy = 0; copy < 2; ++copy) {
        if (RegDeleteTreeW(HKEY_CLASSES_ROOT, entryKey) != ERROR_SUCCESS) break;
    }
    DeleteEmptyKeys(HKEY_CLASSES_ROOT, L"Applications", 1);
}

// The list of registered applications is Windows' own: only our value goes, and only
// while it still names our capabilities.
void RemoveRegisteredApplication() {
    KeyText data;
    if (ReadString(HKEY_LOCAL_MACHINE, kRegisteredApplicationsKey, kRegisteredApplicationName, data) &&
        EqualsIgnoringCase(data, kCapabilitiesKey)) {
        DeleteValue(HKEY_LOCAL_MACHINE, kRegisteredApplicationsKey, kRegisteredApplicationName);
    }
}

// An extension's default class goes only while it is ours; one that now names
// another program stays. The extension key goes when nothing else is left in it.
void RemoveExtensionDefault(const wchar_t* extension) {
    KeyText key;
    KeyText progId;
    if (!FormatText(key, kExtensionKeyFormat, extension) || !ReadString(HKEY_LOCAL_MACHINE, key, nullptr, progId) ||
        !IsViewerProgId(progId)) {
        return;
    }
    DeleteValue(HKEY_LOCAL_MACHINE, key, nullptr);
    DeleteEmptyKeys(HKEY_LOCAL_MACHINE, key, 1);
}

// The user's Explorer choice goes only while it names one of our classes. Above it, the
// extension's key and the FileExts key go when nothing else is left in them.
void RemoveUserChoice(const wchar_t* extension) {
    KeyText key;
    KeyText progId;
    if (!FormatText(key, kUserChoiceKeyFormat, extension) ||
        !ReadString(HKEY_CURRENT_USER, key, kUserChoiceProgIdValue, progId) || !IsViewerProgId(progId)) {
        return;
    }
    if (RegDeleteTreeW(HKEY_CURRENT_USER, key) != ERROR_SUCCESS) return;
    wchar_t* lastSeparator = nullptr;
    for (wchar_t* c = key; *c != L'\0'; ++c) {
        if (*c == L'\\') lastSeparator = c;
    }
    if (lastSeparator) *lastSeparator = L'\0';
    DeleteEmptyKeys(HKEY_CURRENT_USER, key, 2);
}

void RemoveViewerClassAndExtensions() {
    for (size_t row = 0; row < kFileTypeRowCount; ++row) {
        const FileTypeEntry& entry = FileTypeTable[row];
        for (size_t i = 0; i < entry.extensionCount; ++i) {
            const ExtensionEntry& extension = entry.extensions[i];
            KeyText progId;
            KeyText classKey;
            if (FormatProgId(progId, kPathCapacity, extension.progIdSuffix) &&
                FormatText(classKey, kClassKeyFormat, progId)) {
                RegDeleteTreeW(HKEY_LOCAL_MACHINE, classKey);  // shared classes go with their first extension
            }
            RemoveExtensionDefault(extension.extension);
            RemoveUserChoice(extension.extension);
        }
    }
}

// The setup marks five packaged apps' classes as not offered in Open-with. Only an
// empty "NoOpenWith" string, as the setup writes it, is taken back. The class key
// itself goes only when nothing is left in it: a real packaged app's class always
// holds more than the mark, so an empty one is a key the setup created; so is an empty
// classes key above it (on Windows the root of the user's classes, which is never
// empty and cannot be deleted).
void RemoveOpenWithMarks() {
    for (const wchar_t* appClass : kStoreAppClasses) {
        UniqueHKey key;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, appClass, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, key.put()) !=
            ERROR_SUCCESS) {
            continue;
        }
        DWORD type = REG_NONE;
        wchar_t data[2] = {};
        DWORD bytes = sizeof(data);
        const bool emptyMark = RegQueryValueExW(key.get(), kNoOpenWithValue, nullptr, &type,
                                                reinterpret_cast<BYTE*>(data), &bytes) == ERROR_SUCCESS &&
                               type == REG_SZ && data[0] == L'\0';
        if (emptyMark) RegDeleteValueW(key.get(), kNoOpenWithValue);
        key.reset();
        DeleteEmptyKeys(HKEY_CURRENT_USER, appClass, 2);
    }
}

}  // namespace

bool RegistrationBelongsTo(const wchar_t* installFolder) {
    PathText registered;
    if (!ReadInstallLocation(registered)) return true;
    return IsSameFolder(registered, installFolder);
}

bool IsViewerProgId(const wchar_t* text) {
    for (size_t row = 0; row < kFileTypeRowCount; ++row) {
        const FileTypeEntry& entry = FileTypeTable[row];
        for (size_t i = 0; i < entry.extensionCount; ++i) {
            KeyText progId;
            if (FormatProgId(progId, kPathCapacity, entry.extensions[i].progIdSuffix) &&
                EqualsIgnoringCase(text, progId)) {
                return true;
            }
        }
    }
    return false;
}

void RemoveRegistration() {
    RemoveBrowseVerbs();
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, kViewerClassKey);
    RemoveApplicationsEntry();
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, kUninstallKey);
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, kApplicationKey);
    RemoveRegisteredApplication();
    RemoveViewerClassAndExtensions();
    RemoveOpenWithMarks();
    SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
}

}  // namespace lumetra
