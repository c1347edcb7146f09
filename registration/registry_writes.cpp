#include "registration/registry_writes.h"

#include "app/text_buffer.h"

namespace lumetra {
namespace {

DWORD StringByteCount(const wchar_t* data) {
    return static_cast<DWORD>((TextLength(data) + 1) * sizeof(wchar_t));
}

}  // namespace

LSTATUS SetDefaultString(HKEY root, const wchar_t* subKey, const wchar_t* data) {
    return RegSetValueW(root, subKey, REG_SZ, data, StringByteCount(data));
}

LSTATUS SetStringValue(HKEY key, const wchar_t* name, const wchar_t* data) {
    return RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(data), StringByteCount(data));
}

LSTATUS SetDwordValue(HKEY key, const wchar_t* name, DWORD data) {
    return RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof(data));
}

UniqueHKey OpenKey(HKEY root, const wchar_t* subKey, REGSAM access) {
    UniqueHKey key;
    if (RegOpenKeyExW(root, subKey, 0, access, key.put()) != ERROR_SUCCESS) key.release();
    return key;
}

UniqueHKey CreateKey(HKEY root, const wchar_t* subKey) {
    UniqueHKey key;
    if (RegCreateKeyW(root, subKey, key.put()) != ERROR_SUCCESS) key.release();
    return key;
}

}  // namespace lumetra
