#include "bench/tools/registry_recorder.h"

#include <cstring>
#include <cwchar>

#include "framework/handles.h"

namespace lumetra::bench {
namespace {

// Registry names are at most 255 characters, data of the recorded values far less.
constexpr DWORD kNameCapacity = 256;
constexpr DWORD kDataCapacity = 4096;

constexpr wchar_t kScratchParent[] = L"Software\\LumetraRegistryRecorder";

bool ListKey(HKEY key, const std::wstring& root, const std::wstring& path, std::vector<RecordedEntry>& entries) {
    DWORD subkeyCount = 0;
    DWORD valueCount = 0;
    if (RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, &subkeyCount, nullptr, nullptr, &valueCount, nullptr,
                         nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
        return false;
    }
    if (subkeyCount == 0 && valueCount == 0 && !path.empty()) {
        RecordedEntry entry;
        entry.root = root;
        entry.key = path;
        entries.push_back(entry);
        return true;
    }
    for (DWORD i = 0; i < valueCount; ++i) {
        wchar_t name[kNameCapacity];
        DWORD nameLength = kNameCapacity;
        DWORD type = REG_NONE;
        BYTE data[kDataCapacity + sizeof(wchar_t)] = {};
        DWORD size = kDataCapacity;
        if (RegEnumValueW(key, i, name, &nameLength, nullptr, &type, data, &size) != ERROR_SUCCESS) return false;
        RecordedEntry entry;
        entry.root = root;
        entry.key = path;
        entry.isDefault = nameLength == 0;
        entry.name.assign(name, nameLength);
        if (type == REG_SZ || type == REG_EXPAND_SZ) {
            entry.kind = type == REG_SZ ? RecordedEntry::Kind::String : RecordedEntry::Kind::ExpandString;
            // The data is zero-filled beyond size, so it is terminated; the stored
            // terminator is not part of the text.
            entry.text = reinterpret_cast<const wchar_t*>(data);
        } else if (type == REG_DWORD && size == sizeof(DWORD)) {
            entry.kind = RecordedEntry::Kind::Dword;
            std::memcpy(&entry.number, data, sizeof(DWORD));
        } else {
            entry.kind = RecordedEntry::Kind::Other;
            entry.number = type;
        }
        entries.push_back(entry);
    }
    for (DWORD i = 0; i < subkeyCount; ++i) {
        wchar_t name[kNameCapacity];
        DWORD nameLength = kNameCapacity;
        if (RegEnumKeyExW(key, i, name, &nameLength, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
            return false;
        }
        UniqueHKey subkey;
        if (RegOpenKeyExW(key, name, 0, KEY_READ, subkey.put()) != ERROR_SUCCESS) return false;
        const std::wstring subPath = path.empty() ? std::wstring(name) : path + L"\\" + name;
        if (!ListKey(subkey.get(), root, subPath, entries)) return false;
    }
    return true;
}

}  // namespace

RegistryRecorder::RegistryRecorder() {
    wchar_t path[64];
    std::swprintf(path, 64, L"%ls\\%lu", kScratchParent, GetCurrentProcessId());
    scratchPath_ = path;
    // The scratch keys live below the real HKEY_CURRENT_USER, which is redirected too:
    // all of them are opened before the first redirection.
    const struct {
        HKEY predefined;
        const wchar_t* name;
    } roots[] = {{HKEY_LOCAL_MACHINE, L"HKLM"}, {HKEY_CURRENT_USER, L"HKCU"}, {HKEY_CLASSES_ROOT, L"HKCR"}};
    ok_ = true;
    for (const auto& root : roots) {
        HKEY scratch = nullptr;
        const std::wstring scratchKey = scratchPath_ + L"\\" + root.name;
        if (RegCreateKeyExW(HKEY_CURRENT_USER, scratchKey.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                            nullptr, &scratch, nullptr) != ERROR_SUCCESS) {
            ok_ = false;
            continue;
        }
        redirects_.push_back({root.predefined, root.name, scratch});
    }
    for (const Redirect& redirect : redirects_) {
        if (RegOverridePredefKey(redirect.predefined, redirect.scratch) != ERROR_SUCCESS) ok_ = false;
    }
}

RegistryRecorder::~RegistryRecorder() {
    for (const Redirect& redirect : redirects_) RegOverridePredefKey(redirect.predefined, nullptr);
    for (const Redirect& redirect : redirects_) RegCloseKey(redirect.scratch);
    RegDeleteTreeW(HKEY_CURRENT_USER, scratchPath_.c_str());
    RegDeleteKeyW(HKEY_CURRENT_USER, kScratchParent);  // stays while another recorder runs
}

bool RegistryRecorder::Entries(std::vector<RecordedEntry>& entries) const {
    for (const Redirect& redirect : redirects_) {
        if (!ListKey(redirect.scratch, redirect.name, L"", entries)) return false;
    }
    return ok_;
}

}  // namespace lumetra::bench
