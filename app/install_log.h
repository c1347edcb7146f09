// The install log: the only trace a silent installation leaves of a problem. A plain
// 8-bit text file in the current directory, appended to one entry at a time.
#pragma once

#include <string>

namespace lumetra {

// Appends one entry (the text may span several lines) with the current local date and
// time. A log that cannot be opened drops the entry without any other report.
void AppendLogEntry(const wchar_t* text);

// The bytes of one entry: "<date> - <time>: <text>" and a line of 48 hyphens. Characters
// up to U+00FF become their own byte (ISO 8859-1), others "?"; every line feed becomes
// CR LF.
std::string FormatLogEntry(const wchar_t* date, const wchar_t* time, const wchar_t* text);

}  // namespace lumetra
