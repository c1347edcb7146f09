// Records the registry writes of code that runs while the recorder lives: the predefined
// roots HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER and HKEY_CLASSES_ROOT of this process are
// redirected into empty scratch keys, which the recorder lists and then deletes. The
// real registry is not changed.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace lumetra::bench {

// One key or value found below a scratch root.
struct RecordedEntry {
    // Other: a value of a type the recorder does not read (neither REG_SZ,
    // REG_EXPAND_SZ nor a 4-byte REG_DWORD).
    enum class Kind { Key, String, ExpandString, Dword, Other };
    Kind kind = Kind::Key;
    std::wstring root;  // "HKLM", "HKCU" or "HKCR"
    std::wstring key;   // path below the root, as the code spelt it
    bool isDefault = false;  // the unnamed value
    std::wstring name;
    std::wstring text;  // String, ExpandString
    DWORD number = 0;   // Dword; for Other the value's type
};

class RegistryRecorder {
public:
    // Redirects the three roots; Ok() tells whether all of them are redirected.
    RegistryRecorder();
    ~RegistryRecorder();
    RegistryRecorder(const RegistryRecorder&) = delete;
    RegistryRecorder& operator=(const RegistryRecorder&) = delete;

    bool Ok() const { return ok_; }

    // Every value written so far, and every key that holds neither values nor subkeys,
    // by root and then in the registry's enumeration order. False when the scratch keys
    // could not be read or were never all redirected.
    bool Entries(std::vector<RecordedEntry>& entries) const;

private:
    struct Redirect {
        HKEY predefined;
        const wchar_t* name;
        HKEY scratch;
    };
    std::wstring scratchPath_;
    std::vector<Redirect> redirects_;
    bool ok_ = false;
};

}  // namespace lumetra::bench
