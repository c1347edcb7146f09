// What every plug-in library of the viewer exports: a description the viewer lists in its
// plug-in dialog. Each library adds the functions of its own task.
#pragma once

#include <cstddef>
#include <cstdint>

#define LUMETRA_PLUGIN_EXPORT extern "C" __declspec(dllexport)

// Raised when the layout of the structure changes.
inline constexpr unsigned kPlugInInterfaceVersion = 1;

struct LumetraPlugInInfo {
    unsigned interfaceVersion;
    const wchar_t* name;         // shown in the plug-in list
    const wchar_t* description;  // German, one sentence
};

LUMETRA_PLUGIN_EXPORT const LumetraPlugInInfo* __cdecl LumetraDescribePlugIn();
