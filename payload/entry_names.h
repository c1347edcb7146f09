// Tests on the name of an archive entry, made before anything is written for it.
#pragma once

#include <cstddef>

namespace lumetra {

// An entry name is read into 520 bytes: at most 519 bytes and the terminator.
inline constexpr size_t kEntryNameCapacity = 520;
// Its UTF-16 form holds at most 323 characters and the terminator.
inline constexpr size_t kWideEntryNameCapacity = 324;

// True when the name contains "icons.dll" with its ASCII letters in any case
// ("Plugins/ICONS.DLL", "x/myicons.dll.bak").
bool NamesIconsLibrary(const char* name);

// True when writing the name relative to the target folder could land anywhere but
// below it: a name that starts with a separator, holds a colon (a drive or a stream)
// or has a component of dots (and spaces) such as "..", with / or \ as separators.
bool LeavesTargetFolder(const wchar_t* name);

// Offset of the leaf: the part after the last slash or backslash, 0 when the name has
// neither. A folder entry has an empty leaf.
size_t LeafOffset(const char* name);

// The name converted with the ANSI code page. False, with wide emptied, when the UTF-16
// form does not fit kWideEntryNameCapacity.
bool WidenEntryName(const char* name, wchar_t (&wide)[kWideEntryNameCapacity]);

}  // namespace lumetra
