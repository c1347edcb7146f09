#include "registration/file_associations.h"

#include <windows.h>
#include <shlobj.h>

#include <cwchar>

#include "app/system_queries.h"
#include "app/text_buffer.h"
#include "framework/handles.h"
#include "registration/file_type_table.h"
#include "registration/registry_names.h"
#include "registration/registry_writes.h"

namespace lumetra {
namespace {

// Extensions that always point to the viewer's class, selected or not.
constexpr const wchar_t* kAlwaysDefaultExtensions[] = {L"jpg", L"png", L"tif"};

// Registry names are short; a name that does not fit is not written at all.
using NameText = wchar_t[kPathCapacity];

// Icon texts of the viewer's executable: "<path>,0", "<path>,8", "<path>,9".
struct ProgramIconTexts {
    wchar_t index0[kFolderTextCapacity];
    wchar_t index8[kFolderTextCapacity];
    wchar_t index9[kFolderTextCapacity];
};

bool IsAlwaysDefault(const wchar_t* extension) {
    for (const wchar_t* always : kAlwaysDefaultExtensions) {
        if (_wcsicmp(extension, always) == 0) return true;
    }
    return false;
}

// "Lumetra JPG File": only the ASCII letters of the suffix are upper-cased.
bool FormatFriendlyTypeName(NameText& name, const wchar_t* progIdSuffix) {
    NameText upper;
    if (!CopyText(upper, progIdSuffix)) return false;
    for (wchar_t* c = upper; *c != L'\0'; ++c) {
        if (*c >= L'a' && *c <= L'z') *c = static_cast<wchar_t>(*c - L'a' + L'A');
    }
    return FormatText(name, L"%ls %ls File", kClassPrefix, upper);
}

void SetDefaultStringFormatted(HKEY root, const wchar_t* keyFormat, const wchar_t* name,
                               const wchar_t* data) {
    NameText key;
    if (FormatText(key, keyFormat, name)) SetDefaultString(root, key, data);
}

// Replaces the user's Explorer choice for the extension: a fresh UserChoice key holding
// only our class.
void ReplaceUserChoice(const wchar_t* extension, const wchar_t* progId) {
    NameText key;
    if (!FormatText(key, kUserChoiceKeyFormat, extension)) return;
    RegDeleteKeyW(HKEY_CURRENT_USER, key);  // when it stays, RegCreateKeyW opens it
    UniqueHKey userChoice = CreateKey(HKEY_CURRENT_USER, key);
    if (userChoice) SetStringValue(userChoice.get(), kUserChoiceProgIdValue, progId);
}

const wchar_t* IconTextFor(IconSource source, const ProgramIconTexts& icons) {
    switch (source) {
        case IconSource::FileItself: return L"%1";
        case IconSource::ProgramIcon0: return icons.index0;
        case IconSource::ProgramIcon8: return icons.index8;
        case IconSource::ProgramIcon9: return icons.index9;
    }
    return icons.index0;
}

// Tells the shell to reload icons and associations.
void NotifyShellOfNewAssociations() {
    SystemParametersInfoW(SPI_SETICONS, 0, nullptr, SPIF_UPDATEINIFILE | SPIF_SENDCHANGE);
    SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_FLUSH | SHCNF_FLUSHNOWAIT, nullptr, nullptr);
}

}  // namespace

bool FormatProgId(wchar_t* progId, size_t capacity, const wchar_t* progIdSuffix) {
    return FormatText(progId, capacity, L"%ls.%ls", kClassPrefix, progIdSuffix);
}

void RegisterFileAssociations(const wchar_t* executablePath, const wchar_t* openCommand,
                              const AssociationSelection& selection, int associateFiles) {
    ProgramIconTexts icons;
    FormatText(icons.index0, L"%ls,0", executablePath);
    FormatText(icons.index8, L"%ls,8", executablePath);
    FormatText(icons.index9, L"%ls,9", executablePath);

    for (size_t row = 0; row < kFileTypeRowCount; ++row) {
        const FileTypeEntry& entry = FileTypeTable[row];
        for (size_t i = 0; i < entry.extensionCount; ++i) {
            const ExtensionEntry& ext = entry.extensions[i];
            RegisterExtension(ext.extension, ext.progIdSuffix, openCommand, IconTextFor(ext.icon, icons),
                              selection.IsSelected(row));
        }
    }

    if (associateFiles == 0) return;
    if (IsWindowsVersionAtLeast(kWindows8MinorVersion)) HideStoreAppsFromOpenWith();
    NotifyShellOfNewAssociations();
}

void RegisterExtension(const wchar_t* extension, const wchar_t* progIdSuffix, const wchar_t* openCommand,
                       const wchar_t* iconText, bool selected) {
    NameText progId;
    NameText friendlyName;
    if (!FormatProgId(progId, kPathCapacity, progIdSuffix) || !FormatFriendlyTypeName(friendlyName, progIdSuffix)) {
        return;
    }

    if (selected || IsAlwaysDefault(extension)) {
        SetDefaultStringFormatted(HKEY_LOCAL_MACHINE, kExtensionKeyFormat, extension, progId);
    }
    SetDefaultStringFormatted(HKEY_LOCAL_MACHINE, kClassKeyFormat, progId, friendlyName);
    SetDefaultStringFormatted(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Classes\\%ls\\shell\\open\\command", progId,
                              openCommand);
    SetDefaultStringFormatted(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Classes\\%ls\\DefaultIcon", progId, iconText);
    AddCapabilityAssociation(extension, progIdSuffix);

    if (selected) ReplaceUserChoice(extension, progId);
}

void AddCapabilityAssociation(const wchar_t* extension, const wchar_t* progIdSuffix) {
    NameText valueName;
    NameText progId;
    if (!FormatText(valueName, L".%ls", extension) || !FormatProgId(progId, kPathCapacity, progIdSuffix)) return;
    UniqueHKey associations = OpenKey(HKEY_LOCAL_MACHINE, kCapabilityAssociationsKey, KEY_SET_VALUE);
    if (associations) SetStringValue(associations.get(), valueName, progId);
}

void HideStoreAppsFromOpenWith() {
    for (const wchar_t* appClass : kStoreAppClasses) {
        UniqueHKey key = CreateKey(HKEY_CURRENT_USER, appClass);
        if (key) SetStringValue(key.get(), kNoOpenWithValue, L"");
    }
}

}  // namespace lumetra
