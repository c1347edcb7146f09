// The silent path's command line: "/silent" and the options that fill an InstallRequest.
#pragma once

#include <cstddef>

#include "app/install_request.h"

namespace lumetra {

// Option text and value together hold at most this many characters.
inline constexpr size_t kOptionTextLimit = 260;

// True when the full command line contains "/silent" (case-sensitive, anywhere).
bool HasSilentSwitch(const wchar_t* commandLine);

// Finds the first occurrence of optionText (such as L"/folder=") in lineCopy and gives
// the text after it up to the next "/" or the end of the line, cut so that option text
// and value hold at most 260 characters. Returns false when the option is absent.
// value must hold at least kOptionTextLimit + 1 characters.
bool ReadOptionValue(const wchar_t* lineCopy, const wchar_t* optionText, wchar_t* value,
                     size_t capacity);

// Decimal conversion of an option value: leading white space, an optional sign, digits
// up to the first non-digit; no digits give 0. Values beyond the int range are clamped.
int ParseDecimal(const wchar_t* text);

// The defaults of a silent request: an earlier installation's folder with the settings
// kept there, else the default folder with the settings in the application-data folder.
void ApplySilentDefaults(InstallRequest& request);

// Reads the options of the command line into a request that holds the defaults. Only
// the first 519 characters of the line are seen.
void ParseSilentOptions(const wchar_t* commandLine, InstallRequest& request);

}  // namespace lumetra
