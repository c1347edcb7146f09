#include "tests/support/registry_sandbox.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <cwchar>

namespace lumetra::test {
namespace {

std::atomic<unsigned> g_sandboxCounter{0};

struct NamedRoot {
    HKEY predefined;
    const wchar_t* name;
};
const NamedRoot kRoots[] = {
    {HKEY_LOCAL_MACHINE, L"HKLM"},
    {HKEY_CURRENT_USER, L"HKCU"},
    {HKEY_CLASSES_ROOT, L"HKCR"},
};

}  // namespace

RegistrySandbox::RegistrySandbox() {
    wchar_t name[64];
    std::swprintf(name, 64, L"Software\\LumetraTestSandbox\\%lu-%u", GetCurrentProcessId(),
                  g_sandboxCounter++);
    scratchPath_ = name;
    // Every scratch key is opened before any root is redirected: HKEY_CURRENT_USER is
    // both the home of the scratch keys and one of the redirected roots.
    for (const NamedRoot& root : kRoots) {
        HKEY scratch = nullptr;
        const std::wstring path = scratchPath_ + L"\\" + root.name;
        EXPECT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                                  nullptr, &scratch, nullptr),
                  ERROR_SUCCESS);
        redirects_.push_back({root.predefined, scratch});
    }
    for (const Redirect& redirect : redirects_) {
        EXPECT_EQ(RegOverridePredefKey(redirect.predefined, redirect.scratch), ERROR_SUCCESS);
    }
}

RegistrySandbox::~RegistrySandbox() {
    for (const Redirect& redirect : redirects_) RegOverridePredefKey(redirect.predefined, nullptr);
    for (const Redirect& redirect : redirects_) RegCloseKey(redirect.scratch);
    RegDeleteTreeW(HKEY_CURRENT_USER, scratchPath_.c_str());
}

HKEY RegistrySandbox::Root(HKEY predefined) const {
    for (const Redirect& redirect : redirects_) {
        if (redirect.predefined == predefined) return redirect.scratch;
    }
    return predefined;
}

std::wstring RegistryValue::String() const {
    std::wstring text(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / sizeof(wchar_t));
    while (!text.empty() && text.back() == L'\0') text.pop_back();
    return text;
}

DWORD RegistryValue::Dword() const {
    DWORD value = 0;
    if (bytes.size() == sizeof(value)) std::memcpy(&value, bytes.data(), sizeof(value));
    return value;
}

RegistryValue ReadRegistryValue(HKEY root, const std::wstring& keyPath, const wchar_t* valueName) {
    RegistryValue value;
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, keyPath.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return value;
    DWORD size = 0;
    if (RegQueryValueExW(key, valueName, nullptr, &value.type, nullptr, &size) == ERROR_SUCCESS) {
        value.bytes.resize(size);
        if (RegQueryValueExW(key, valueName, nullptr, &value.type, value.bytes.data(), &size) ==
            ERROR_SUCCESS) {
            value.bytes.resize(size);
            value.exists = true;
        }
    }
    RegCloseKey(key);
    return value;
}

bool RegistryKeyExists(HKEY root, const std::wstring& keyPath) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, keyPath.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

void WriteRegistryString(HKEY root, const std::wstring& keyPath, const wchar_t* valueName,
                         const std::wstring& data) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(root, keyPath.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                              nullptr),
              ERROR_SUCCESS);
    RegSetValueExW(key, valueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                   static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
}

std::vector<std::wstring> RegistryValueNames(HKEY root, const std::wstring& keyPath) {
    std::vector<std::wstring> names;
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, keyPath.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return names;
    for (DWORD index = 0;; ++index) {
        wchar_t name[16384];
        DWORD length = 16384;
        if (RegEnumValueW(key, index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
            break;
        }
        names.emplace_back(name, length);
    }
    RegCloseKey(key);
    return names;
}

std::vector<std::wstring> RegistrySubkeyNames(HKEY root, const std::wstring& keyPath) {
    std::vector<std::wstring> names;
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, keyPath.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return names;
    for (DWORD index = 0;; ++index) {
        wchar_t name[256];
        DWORD length = 256;
        if (RegEnumKeyExW(key, index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
            break;
        }
        names.emplace_back(name, length);
    }
    RegCloseKey(key);
    return names;
}

}  // namespace lumetra::test
