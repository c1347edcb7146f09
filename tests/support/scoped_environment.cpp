#include "tests/support/scoped_environment.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace lumetra::test {

ScopedEnvironmentVariable::ScopedEnvironmentVariable(const std::wstring& name, const std::wstring& value)
    : name_(name) {
    const DWORD needed = GetEnvironmentVariableW(name_.c_str(), nullptr, 0);
    if (needed > 0) {
        previous_.assign(needed, L'\0');
        const DWORD length = GetEnvironmentVariableW(name_.c_str(), previous_.data(), needed);
        previous_.resize(length < needed ? length : 0);
        hadValue_ = true;
    }
    EXPECT_TRUE(SetEnvironmentVariableW(name_.c_str(), value.c_str()));
}

ScopedEnvironmentVariable::~ScopedEnvironmentVariable() {
    SetEnvironmentVariableW(name_.c_str(), hadValue_ ? previous_.c_str() : nullptr);
}

}  // namespace lumetra::test
