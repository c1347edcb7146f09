// The few registry operations the registration is made of. Results are left to the
// caller to ignore: a write that fails is skipped, and the sequence goes on.
#pragma once

#include <windows.h>

#include "framework/handles.h"

namespace lumetra {

// Sets the unnamed REG_SZ value of root\subKey with RegSetValueW, which creates the key
// and any missing parents. The stored byte count includes the terminator.
LSTATUS SetDefaultString(HKEY root, const wchar_t* subKey, const wchar_t* data);

// A named REG_SZ value; the byte count includes the terminator.
LSTATUS SetStringValue(HKEY key, const wchar_t* name, const wchar_t* data);

// A named 4-byte REG_DWORD value.
LSTATUS SetDwordValue(HKEY key, const wchar_t* name, DWORD data);

// Opens an existing key; an empty owner when it cannot be opened.
UniqueHKey OpenKey(HKEY root, const wchar_t* subKey, REGSAM access);

// Creates a key or opens it when it exists (RegCreateKeyW); an empty owner on failure.
UniqueHKey CreateKey(HKEY root, const wchar_t* subKey);

}  // namespace lumetra
