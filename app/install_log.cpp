#include "app/install_log.h"

#include <windows.h>

#include <share.h>

#include <cstdio>

#include "app/build_constants.h"
#include "app/text_buffer.h"
#include "framework/handles.h"

namespace lumetra {
namespace {

constexpr char kSeparatorLine[] = "------------------------------------------------\n";

void AppendLatin1(std::string& out, const wchar_t* text) {
    for (; text && *text; ++text) {
        const wchar_t c = *text;
        if (c == L'\n') {
            out += "\r\n";
        } else {
            out += c <= 0xFF ? static_cast<char>(static_cast<unsigned char>(c)) : '?';
        }
    }
}

}  // namespace

std::string FormatLogEntry(const wchar_t* date, const wchar_t* time, const wchar_t* text) {
    std::string entry;
    AppendLatin1(entry, date);
    AppendLatin1(entry, L" - ");
    AppendLatin1(entry, time);
    AppendLatin1(entry, L": ");
    AppendLatin1(entry, text);
    AppendLatin1(entry, L"\n");
    for (const char* c = kSeparatorLine; *c; ++c) {
        if (*c == '\n') entry += '\r';
        entry += *c;
    }
    return entry;
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

    const std::string entry = FormatLogEntry(date, time, text);
    std::fwrite(entry.data(), 1, entry.size(), log.get());
}

}  // namespace lumetra
