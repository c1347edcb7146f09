// Sets an environment variable of the test process for the lifetime of the object and
// removes it afterwards.
#pragma once

#include <string>

namespace lumetra::test {

class ScopedEnvironmentVariable {
public:
    ScopedEnvironmentVariable(const std::wstring& name, const std::wstring& value);
    ~ScopedEnvironmentVariable();
    ScopedEnvironmentVariable(const ScopedEnvironmentVariable&) = delete;
    ScopedEnvironmentVariable& operator=(const ScopedEnvironmentVariable&) = delete;

private:
    std::wstring name_;
    std::wstring previous_;
    bool hadValue_ = false;
};

}  // namespace lumetra::test
