#include "tests/support/registry_snapshot.h"

#include <gtest/gtest.h>

#include <cstring>
#include <cwctype>
#include <cwchar>
#include <string>
#include <vector>

namespace lumetra::test {
namespace {

constexpr size_t kReportedLines = 25;

std::wstring Lower(std::wstring text) {
    for (wchar_t& c : text) c = static_cast<wchar_t>(std::towlower(c));
    return text;
}

std::wstring TypeName(DWORD type) {
    switch (type) {
        case REG_SZ: return L"REG_SZ";
        case REG_EXPAND_SZ: return L"REG_EXPAND_SZ";
        case REG_DWORD: return L"REG_DWORD";
        case REG_BINARY: return L"REG_BINARY";
        case REG_MULTI_SZ: return L"REG_MULTI_SZ";
        default: return L"type" + std::to_wstring(type);
    }
}

// Strings show their characters up to the first null; the byte count tells whether the
// terminator was stored. Numbers show their value, anything else its bytes.
std::wstring DataText(DWORD type, const BYTE* data, size_t bytes) {
    if (type == REG_SZ || type == REG_EXPAND_SZ) {
        const wchar_t* text = reinterpret_cast<const wchar_t*>(data);
        std::wstring out;
        for (size_t i = 0; i < bytes / sizeof(wchar_t) && text[i] != L'\0'; ++i) out += text[i];
        return L"\"" + out + L"\"";
    }
    if (type == REG_DWORD && bytes == sizeof(DWORD)) {
        DWORD value;
        std::memcpy(&value, data, sizeof(value));
        return std::to_wstring(value);
    }
    std::wstring out;
    for (size_t i = 0; i < bytes; ++i) {
        wchar_t hex[4];
        std::swprintf(hex, 4, L"%02x", data[i]);
        out += hex;
    }
    return out;
}

void AddTree(HKEY key, const std::wstring& path, RegistryLines& lines) {
    for (DWORD index = 0;; ++index) {
        wchar_t name[16384];
        DWORD nameLength = 16384;
        DWORD type = 0;
        DWORD bytes = 0;
        if (RegEnumValueW(key, index, name, &nameLength, nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS) break;
        std::vector<BYTE> data(bytes + 2);
        nameLength = 16384;
        if (RegEnumValueW(key, index, name, &nameLength, nullptr, &type, data.data(), &bytes) != ERROR_SUCCESS) break;
        lines.insert(ValueLine(path, nameLength ? name : nullptr, type, data.data(), bytes));
    }
    std::vector<std::wstring> subkeys;
    for (DWORD index = 0;; ++index) {
        wchar_t name[256];
        DWORD nameLength = 256;
        if (RegEnumKeyExW(key, index, name, &nameLength, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        subkeys.emplace_back(name, nameLength);
    }
    for (const std::wstring& name : subkeys) {
        const std::wstring subPath = path.empty() ? name : path + L"\\" + name;
        lines.insert(Lower(subPath));
        HKEY subkey = nullptr;
        if (RegOpenKeyExW(key, name.c_str(), 0, KEY_READ, &subkey) == ERROR_SUCCESS) {
            AddTree(subkey, subPath, lines);
            RegCloseKey(subkey);
        }
    }
}

void ReportLines(const char* label, const std::vector<std::wstring>& lines, const char* what) {
    if (lines.empty()) return;
    std::wstring text;
    for (size_t i = 0; i < lines.size() && i < kReportedLines; ++i) text += L"  " + lines[i] + L"\n";
    if (lines.size() > kReportedLines) text += L"  ... and " + std::to_wstring(lines.size() - kReportedLines) + L" more\n";
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string utf8(size > 0 ? size - 1 : 0, '\0');
    if (size > 1) WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, utf8.data(), size, nullptr, nullptr);
    ADD_FAILURE() << what << ": " << lines.size() << " " << label << " line(s):\n" << utf8;
}

}  // namespace

std::wstring ValueLine(const std::wstring& path, const wchar_t* name, DWORD type, const void* data,
                       size_t bytes) {
    return Lower(path) + L" | " + (name ? name : L"@") + L" = " + TypeName(type) + L" " +
           std::to_wstring(bytes) + L" " + DataText(type, static_cast<const BYTE*>(data), bytes);
}

RegistryLines SnapshotRegistry(HKEY root) {
    RegistryLines lines;
    AddTree(root, L"", lines);
    return lines;
}

void ExpectedRegistry::Key(const std::wstring& path) {
    for (size_t end = path.find(L'\\'); end != std::wstring::npos; end = path.find(L'\\', end + 1)) {
        lines_.insert(Lower(path.substr(0, end)));
    }
    lines_.insert(Lower(path));
}

void ExpectedRegistry::String(const std::wstring& path, const wchar_t* name, const std::wstring& data) {
    Key(path);
    lines_.insert(ValueLine(path, name, REG_SZ, data.c_str(), (data.size() + 1) * sizeof(wchar_t)));
}

void ExpectedRegistry::Dword(const std::wstring& path, const wchar_t* name, DWORD data) {
    Key(path);
    lines_.insert(ValueLine(path, name, REG_DWORD, &data, sizeof(data)));
}

void ExpectRegistryLines(const RegistryLines& actual, const RegistryLines& expected, const char* what) {
    std::vector<std::wstring> missing;
    std::vector<std::wstring> unexpected;
    for (const std::wstring& line : expected) {
        if (actual.count(line) == 0) missing.push_back(line);
    }
    for (const std::wstring& line : actual) {
        if (expected.count(line) == 0) unexpected.push_back(line);
    }
    ReportLines("missing", missing, what);
    ReportLines("unexpected", unexpected, what);
}

}  // namespace lumetra::test
