#include "uninstaller/uninstall_options.h"

#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace lumetra {
namespace {

// How the system splits a command line; the helper reads its options this way.
std::vector<std::wstring> SplitArguments(const std::wstring& line) {
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(line.c_str(), &count);
    std::vector<std::wstring> result(arguments, arguments + count);
    LocalFree(arguments);
    return result;
}

TEST(ParseUninstallOptions, ReadsOnlyWholeCaseSensitiveArguments) {
    struct Case {
        const wchar_t* line;
        bool silent;
        bool helper;
    };
    const Case cases[] = {
        {L"\"C:\\Lumetra\\lm_uninstall.exe\"", false, false},
        {L"\"C:\\Lumetra\\lm_uninstall.exe\" /silent", true, false},
        {L"lm_uninstall.exe /silent /unknown", true, false},
        {L"lm_uninstall.exe /SILENT", false, false},    // as for the setup: case-sensitive
        {L"lm_uninstall.exe /silently", false, false},  // a whole argument, not a substring
        {L"\"C:\\x\\/silent\\lm_uninstall.exe\"", false, false},  // the program's own path does not count
        {L"lm_uninstall.exe /helper /silent", true, true},
        {L"", false, false},
    };
    for (const Case& c : cases) {
        const UninstallOptions options = ParseUninstallOptions(c.line);
        EXPECT_EQ(options.silent, c.silent) << testing::PrintToString(std::wstring(c.line));
        EXPECT_EQ(options.helper, c.helper) << testing::PrintToString(std::wstring(c.line));
    }
}

TEST(ParseUninstallOptions, MalformedHandlesAreNull) {
    for (const wchar_t* line : {L"x /parent= /result=", L"x /parent=12a /result=-4", L"x /parent=0x10 /result= 7"}) {
        const UninstallOptions options = ParseUninstallOptions(line);
        EXPECT_EQ(options.parentProcess, nullptr) << testing::PrintToString(std::wstring(line));
        EXPECT_EQ(options.resultPipe, nullptr) << testing::PrintToString(std::wstring(line));
    }
}

TEST(QuoteArgument, SplittingGivesTheArgumentBack) {
    const std::wstring arguments[] = {
        L"C:\\Program Files\\Lumetra\\",  // a trailing backslash must not escape the closing quote
        L"C:\\",
        L"",
        L"with \"quotes\" inside",
        L"back\\\\slashes\\\" and quote",
        L"C:\\Ordner mit Leerzeichen und Ümlaut\\\\",
        L"/folder=\\\\server\\share\\Lumetra\\",
    };
    for (const std::wstring& argument : arguments) {
        const std::vector<std::wstring> split = SplitArguments(L"program.exe " + QuoteArgument(argument) + L" next");
        ASSERT_EQ(split.size(), 3u) << testing::PrintToString(argument);
        EXPECT_EQ(split[1], argument);
        EXPECT_EQ(split[2], L"next");
    }
}

TEST(HelperCommandLine, CarriesFolderHandlesAndSilenceToTheHelper) {
    const HANDLE parent = reinterpret_cast<HANDLE>(static_cast<uintptr_t>(0x1234));
    const HANDLE pipe = reinterpret_cast<HANDLE>(static_cast<uintptr_t>(88));
    for (bool silent : {false, true}) {
        const std::wstring line = HelperCommandLine(L"C:\\Users\\Jürgen Ä\\Temp\\lmu1F.tmp",
                                                    L"C:\\Program Files\\Lumetra\\", parent, pipe, silent);
        EXPECT_EQ(SplitArguments(line)[0], L"C:\\Users\\Jürgen Ä\\Temp\\lmu1F.tmp");
        const UninstallOptions options = ParseUninstallOptions(line.c_str());
        EXPECT_TRUE(options.helper);
        EXPECT_EQ(options.silent, silent);
        EXPECT_EQ(options.folder, L"C:\\Program Files\\Lumetra\\");
        EXPECT_EQ(options.parentProcess, parent);
        EXPECT_EQ(options.resultPipe, pipe);
    }
}

}  // namespace
}  // namespace lumetra
