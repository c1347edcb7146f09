#include "app/install_log.h"

#include <windows.h>

#include <share.h>

#include <cstdio>

#include "app/build_constants.h"
#include "app/text_buffer.h"
#include "framework/handles.h"

namespace lumetra {
namespace {

constexpr char kSeparatorLine[] = "------------------------------------------------\r\n";

// Bytes appended to a caller's buffer, never beyond its limit (terminator excluded).
class EntryBytes {
public:
    EntryBytes(char* buffer, size_t limit) : buffer_(buffer), limit_(limit) {}

    void Append(char c) {
        if (length_ < limit_) buffer_[length_++] = c;
    }
    void AppendLatin1(const wchar_t* text) {
        for (; text && *text; ++text) {
            const wchar_t c = *text;
            if (c == L'\n') {
                Append('\r');
                Append('\n');
            } else {
                Append(c <= 0xFF ? static_cast<char>(static_cast<unsigned char>(c)) : '?');
            }
        }
    }
    size_t length() const { return length_; }

private:
    char* buffer_;
    size_t limit_;
    size_t length_ = 0;
};

}  // namespace

size_t FormatLogEntry(const wchar_t* date, const wchar_t* time, const wchar_t* text, char* entry,
                      size_t capacity) {
    constexpr size_t kSeparatorLength = sizeof(kSeparatorLine) - 1;
    if (capacity <= kSeparatorLength + 2) {  // not even the line end and the separator
        if (capacity > 0) entry[0] = '\0';
        return 0;
    }
    // The line end and the separator line always close the entry.
    EntryBytes bytes(entry, capacity - 1 - kSeparatorLength - 2);
    bytes.AppendLatin1(date);
    bytes.AppendLatin1(L" - ");
    bytes.AppendLatin1(time);
    bytes.AppendLatin1(L": ");
    bytes.AppendLatin1(text);
    size_t length = bytes.length();
    entry[length++] = '\r';
    entry[length++] = '\n';
    for (const char* c = kSeparatorLine; *c; ++c) entry[length++] = *c;
    entry[length] = '\0';
    return length;
}

void AppendLogEntry(const wchar_t* text) {
    // Binary mode with explicit CR LF: text mode would also strip a trailing Ctrl-Z of an
    // existing log when appending, and the log is never to be changed, only extended.
    UniqueStdioFile log(_wfsopen(kInstallLogName, L"ab", _SH_DENYNO));
    if (!log) return;

    wchar_t date[256] = {};
    if (GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, date, 256) == 0) {
        date[0] = L'\0';
    }
    SYSTEMTIME now;
    GetLocalTime(&now);
    wchar_t time[16] = {};
    FormatText(time, L"%02u:%02u:%02u", unsigned{now.wHour}, unsigned{now.wMinute},
               unsigned{now.wSecond});

    char entry[kLogEntryCapacity];
    const size_t length = FormatLogEntry(date, time, text, entry, sizeof(entry));
    std::fwrite(entry, 1, length, log.get());
}

}  // namespace lumetra
