// Sets an environment variable of the test process for the lifetime of the object and
// restores it afterwards. The system reads TMP first for the temporary folder.
#pragma once

#include <windows.h>

#include <string>

namespace lumetra::test {

class ScopedEnvironmentVariable {
public:
    ScopedEnvironmentVariable(const wchar_t* name, const std::wstring& value) : name_(name) {
        wchar_t previous[1024] = {};
        const DWORD length = GetEnvironmentVariableW(name, previous, 1024);
        hadValue_ = length > 0 && length < 1024;
        previous_ = previous;
        SetEnvironmentVariableW(name, value.c_str());
    }
    ~ScopedEnvironmentVariable() { SetEnvironmentVariableW(name_.c_str(), hadValue_ ? previous_.c_str() : nullptr); }
    ScopedEnvironmentVariable(const ScopedEnvironmentVariable&) = delete;
    ScopedEnvironmentVariable& operator=(const ScopedEnvironmentVariable&) = delete;

private:
    std::wstring name_;
    bool hadValue_ = false;
    std::wstring previous_;
};

}  // namespace lumetra::test
