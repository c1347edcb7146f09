// The viewer reads its settings file as Unicode when it starts with the UTF-16LE byte
// order mark; the profile functions create it in the 8-bit ANSI code page. This rewrite
// turns such a file into UTF-16LE once the installation has written it.
#pragma once

#include "framework/handles.h"

namespace lumetra {

// The first line of a rewritten settings file, after the byte order mark.
inline constexpr wchar_t kUnicodeSettingsHeader[] = L"; UNICODE FILE - edit with care ;-)\r\n\r\n";

// Rewrites the settings file at path in UTF-16LE: byte order mark, header, then every
// line converted from the ANSI code page with its line end unchanged. file is that
// settings file, open for binary reading; it is closed before the function returns.
// The work is done in "lu_main64.ini_temp" beside the file, which then replaces it.
// A file that already starts with a byte order mark (UTF-16LE or UTF-8) and an empty
// file are left alone. Returns 0 only when the final replacement failed; 1 when the
// file is Unicode afterwards or was left as it was (a failed write leaves it 8-bit and
// no temporary file behind).
int ConvertSettingsToUnicode(const wchar_t* path, UniqueStdioFile file);

}  // namespace lumetra
