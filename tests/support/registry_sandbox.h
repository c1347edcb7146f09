// Redirects HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER and HKEY_CLASSES_ROOT of the test
// process into empty scratch keys, so that code under test reads and writes a registry
// of the test's own. The scratch keys are deleted when the sandbox ends.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace lumetra::test {

class RegistrySandbox {
public:
    RegistrySandbox();
    ~RegistrySandbox();
    RegistrySandbox(const RegistrySandbox&) = delete;
    RegistrySandbox& operator=(const RegistrySandbox&) = delete;

    // The real key standing in for a predefined root, for asserting without the
    // redirection getting in the way.
    HKEY Root(HKEY predefined) const;

private:
    struct Redirect {
        HKEY predefined;
        HKEY scratch;
    };
    std::wstring scratchPath_;
    std::vector<Redirect> redirects_;
};

// A value as stored: its type and raw bytes.
struct RegistryValue {
    bool exists = false;
    DWORD type = REG_NONE;
    std::vector<BYTE> bytes;

    // The string of a REG_SZ value, without its terminator.
    std::wstring String() const;
    DWORD Dword() const;
};

RegistryValue ReadRegistryValue(HKEY root, const std::wstring& keyPath, const wchar_t* valueName);
bool RegistryKeyExists(HKEY root, const std::wstring& keyPath);
// Writes a REG_SZ value, creating the key.
void WriteRegistryString(HKEY root, const std::wstring& keyPath, const wchar_t* valueName,
                         const std::wstring& data);
// Names of the values of a key, in enumeration order.
std::vector<std::wstring> RegistryValueNames(HKEY root, const std::wstring& keyPath);
// Names of the subkeys of a key.
std::vector<std::wstring> RegistrySubkeyNames(HKEY root, const std::wstring& keyPath);

}  // namespace lumetra::test
