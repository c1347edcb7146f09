// The install log: the only trace a silent installation leaves of a problem. A plain
// 8-bit text file in the current directory, appended to one entry at a time.
#pragma once

#include <cstddef>

namespace lumetra {

// Appends one entry (the text may span several lines) with the current local date and
// time. A log that cannot be opened drops the entry without any other report.
void AppendLogEntry(const wchar_t* text);

// Room for one entry of a date, a time and a message of a few lines, in bytes.
inline constexpr size_t kLogEntryCapacity = 4096;

// The bytes of one entry: "<date> - <time>: <text>" and a line of 48 hyphens. Characters
// up to U+00FF become their own byte (ISO 8859-1), others "?"; every line feed becomes
// CR LF. Written into entry (capacity bytes, terminated); an entry that does not fit is
// cut, its separator line kept. Returns the entry's length in bytes.
size_t FormatLogEntry(const wchar_t* date, const wchar_t* time, const wchar_t* text, char* entry,
                      size_t capacity);

}  // namespace lumetra
