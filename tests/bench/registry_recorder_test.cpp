#include "bench/tools/registry_recorder.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "registration/application_registration.h"
#include "registration/file_type_table.h"

namespace lumetra::bench {
namespace {

constexpr wchar_t kProbeKey[] = L"Software\\LumetraRecorderProbe";
constexpr wchar_t kFolder[] = L"C:\\Program Files\\Lumetra\\";

bool RealKeyExists(HKEY root, const wchar_t* path) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

const RecordedEntry* Find(const std::vector<RecordedEntry>& entries, const std::wstring& root,
                          const std::wstring& key, const wchar_t* name) {
    for (const RecordedEntry& entry : entries) {
        if (entry.root != root || _wcsicmp(entry.key.c_str(), key.c_str()) != 0) continue;
        if (name == nullptr ? entry.isDefault : (!entry.isDefault && entry.name == name)) return &entry;
    }
    return nullptr;
}

TEST(RegistryRecorder, RecordsWritesOfEveryRootWithoutMakingThem) {
    std::vector<RecordedEntry> entries;
    {
        RegistryRecorder recorder;
        ASSERT_TRUE(recorder.Ok());
        RegSetValueW(HKEY_LOCAL_MACHINE, kProbeKey, REG_SZ, L"machine", 8 * sizeof(wchar_t));
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyW(HKEY_CURRENT_USER, L"Software\\LumetraRecorderProbe\\Numbers", &key), ERROR_SUCCESS);
        const DWORD number = 7168;
        RegSetValueExW(key, L"Size", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof(number));
        RegCloseKey(key);
        ASSERT_EQ(RegCreateKeyW(HKEY_CLASSES_ROOT, L"Empty\\Leaf", &key), ERROR_SUCCESS);
        RegCloseKey(key);
        ASSERT_TRUE(recorder.Entries(entries));
    }
    ASSERT_EQ(entries.size(), 3u);
    const RecordedEntry* machine = Find(entries, L"HKLM", kProbeKey, nullptr);
    ASSERT_NE(machine, nullptr);
    EXPECT_EQ(machine->kind, RecordedEntry::Kind::String);
    EXPECT_EQ(machine->text, L"machine");
    const RecordedEntry* size = Find(entries, L"HKCU", L"Software\\LumetraRecorderProbe\\Numbers", L"Size");
    ASSERT_NE(size, nullptr);
    EXPECT_EQ(size->kind, RecordedEntry::Kind::Dword);
    EXPECT_EQ(size->number, 7168u);
    EXPECT_EQ(entries[2].root, L"HKCR");
    EXPECT_EQ(entries[2].key, L"Empty\\Leaf");
    EXPECT_EQ(entries[2].kind, RecordedEntry::Kind::Key);

    // Nothing reached the real registry, and the scratch keys are gone.
    EXPECT_FALSE(RealKeyExists(HKEY_LOCAL_MACHINE, kProbeKey));
    EXPECT_FALSE(RealKeyExists(HKEY_CURRENT_USER, kProbeKey));
    EXPECT_FALSE(RealKeyExists(HKEY_CURRENT_USER, L"Software\\LumetraRegistryRecorder"));
}

// What the peer installer repeats must hold the whole file-type table: a class with its
// open command for every extension, and the extension's default for every selected row.
TEST(RegistryRecorder, RecordedRegistrationCoversTheFileTypeTable) {
    ApplicationPaths paths;
    ASSERT_TRUE(DeriveApplicationPaths(kFolder, paths));
    AssociationSelection selection;
    selection.SelectAll();
    std::vector<RecordedEntry> entries;
    {
        RegistryRecorder recorder;
        RegisterApplication(kFolder, 1, 0, 0, 0, 0, selection);
        ASSERT_TRUE(recorder.Entries(entries));
    }
    size_t extensions = 0;
    for (const FileTypeEntry& row : FileTypeTable) {
        for (size_t i = 0; i < row.extensionCount; ++i) {
            const ExtensionEntry& ext = row.extensions[i];
            const std::wstring progId = std::wstring(L"Lumetra.") + ext.progIdSuffix;
            const RecordedEntry* command =
                Find(entries, L"HKLM", L"SOFTWARE\\Classes\\" + progId + L"\\shell\\open\\command", nullptr);
            ASSERT_NE(command, nullptr) << ext.extension;
            EXPECT_EQ(command->text, paths.openCommand);
            const RecordedEntry* extension =
                Find(entries, L"HKLM", std::wstring(L"SOFTWARE\\Classes\\.") + ext.extension, nullptr);
            ASSERT_NE(extension, nullptr) << ext.extension;
            EXPECT_EQ(extension->text, progId);
            ++extensions;
        }
    }
    EXPECT_EQ(extensions, kExtensionCount);
    const RecordedEntry* uninstall = Find(
        entries, L"HKLM", L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Lumetra64", L"DisplayName");
    ASSERT_NE(uninstall, nullptr);
    EXPECT_EQ(uninstall->text, L"Lumetra 4.59 (64-bit)");
}

}  // namespace
}  // namespace lumetra::bench
