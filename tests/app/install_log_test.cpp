#include "app/install_log.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cctype>
#include <regex>
#include <string>

#include "tests/support/temp_folder.h"

namespace lumetra {
namespace {

using test::ReadFileBytes;
using test::ScopedCurrentFolder;
using test::TempFolder;

const std::string kSeparator = "------------------------------------------------\r\n";

std::string FormatLogEntry(const wchar_t* date, const wchar_t* time, const wchar_t* text,
                           size_t capacity = kLogEntryCapacity) {
    std::string entry(capacity, '\x7F');
    const size_t length = lumetra::FormatLogEntry(date, time, text, entry.data(), capacity);
    EXPECT_LT(length, capacity);
    EXPECT_EQ(entry[length], '\0');
    entry.resize(length);
    return entry;
}

TEST(FormatLogEntry, ExactBytes) {
    EXPECT_EQ(FormatLogEntry(L"3/5/2024", L"09:04:05", L"Ungültiges Zielverzeichnis!: "),
              "3/5/2024 - 09:04:05: Ung\xFCltiges Zielverzeichnis!: \r\n" + kSeparator);
}

TEST(FormatLogEntry, EveryLineFeedBecomesCrLfAndWideCharactersBecomeQuestionMarks) {
    EXPECT_EQ(FormatLogEntry(L"d", L"t", L"Warnung: Lumetra läuft!\nBeenden\n\nEnde"),
              "d - t: Warnung: Lumetra l\xE4uft!\r\nBeenden\r\n\r\nEnde\r\n" + kSeparator);
    EXPECT_EQ(FormatLogEntry(L"d", L"t", L"C:\\\x0142\x20AC\xFF\\"),
              "d - t: C:\\??\xFF\\\r\n" + kSeparator);
}

TEST(FormatLogEntry, AnEntryTooLongIsCutBeforeItsLineEndAndSeparator) {
    const std::wstring text(5000, L'x');
    const std::string entry = FormatLogEntry(L"d", L"t", text.c_str());
    EXPECT_EQ(entry.size(), kLogEntryCapacity - 1);
    EXPECT_EQ(entry.substr(0, 8), "d - t: x");
    EXPECT_EQ(entry.substr(entry.size() - kSeparator.size() - 3), "x\r\n" + kSeparator);
    EXPECT_EQ(FormatLogEntry(L"d", L"t", L"x", kSeparator.size() + 3), "\r\n" + kSeparator);
}

// The user's short date, as the log must show it, escaped for a regular expression.
std::string TodayPattern() {
    wchar_t date[256] = {};
    GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, date, 256);
    std::string pattern;
    for (const wchar_t* c = date; *c; ++c) {
        if (!std::isalnum(static_cast<unsigned char>(*c))) pattern += '\\';
        pattern += static_cast<char>(*c);
    }
    return pattern;
}

TEST(AppendLogEntry, AppendsDatedEntriesInOrder) {
    TempFolder temp;
    ScopedCurrentFolder inside(temp.path());
    AppendLogEntry(L"first");
    AppendLogEntry(L"second\nline");

    const std::string stamp = TodayPattern() + R"( - ([01]\d|2[0-3]):[0-5]\d:[0-5]\d: )";
    const std::regex expected(stamp + "first\r\n" + kSeparator + stamp + "second\r\nline\r\n" + kSeparator);
    const std::string log = ReadFileBytes(temp / L"Lumetra_Install.log");
    EXPECT_TRUE(std::regex_match(log, expected)) << log;
}

TEST(AppendLogEntry, ALogThatCannotBeOpenedIsDroppedSilently) {
    TempFolder temp;
    ScopedCurrentFolder inside(temp.path());
    ASSERT_TRUE(CreateDirectoryW(L"Lumetra_Install.log", nullptr));  // a folder in its place
    AppendLogEntry(L"lost");
    EXPECT_TRUE(test::FolderExists(temp / L"Lumetra_Install.log"));
}

}  // namespace
}  // namespace lumetra
