#include "app/settings_conversion.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <utility>

#include "tests/support/temp_folder.h"

namespace lumetra {
namespace {

using test::FileExists;
using test::ReadFileBytes;
using test::TempFolder;
using test::WriteFileBytes;

const std::string kMark = "\xFF\xFE";

// UTF-16LE bytes of a text of code points below U+0100 (as this test writes them).
std::string Utf16(const std::string& latin1) {
    std::string bytes;
    for (unsigned char c : latin1) {
        bytes.push_back(static_cast<char>(c));
        bytes.push_back('\0');
    }
    return bytes;
}

const std::string kHeader = Utf16("; UNICODE FILE - edit with care ;-)\r\n\r\n");

// A settings file with the given content in a folder of its own, converted.
class Conversion : public ::testing::Test {
protected:
    std::wstring Path() const { return folder_ / L"lu_main64.ini"; }
    std::wstring TemporaryPath() const { return folder_ / L"lu_main64.ini_temp"; }

    int Convert(const std::string& content) {
        WriteFileBytes(Path(), content);
        return ConvertSettingsToUnicode(Path().c_str(), UniqueStdioFile(_wfopen(Path().c_str(), L"rb")));
    }

    TempFolder folder_;
};

TEST_F(Conversion, WritesMarkHeaderAndEveryLineByteForByte) {
    // CP1252 umlauts; CRLF, a bare LF and a last line without a line end are all kept.
    const std::string ansi = "[Language]\r\nLang=Deutsch\r\nName=M\xFC" "ller \xC4rger\nLetzte=\xDF";
    EXPECT_EQ(Convert(ansi), 1);
    EXPECT_EQ(ReadFileBytes(Path()), kMark + kHeader + Utf16(ansi));
    EXPECT_FALSE(FileExists(TemporaryPath()));
}

TEST_F(Conversion, LinesLongerThanAPieceArriveWhole) {
    struct Case {
        const char* name;
        std::string content;
    };
    const Case cases[] = {
        {"5000 bytes", "Recent=" + std::string(5000, 'a') + "\r\nNext=1\r\n"},
        {"CR ends a piece, LF starts the next", std::string(2046, 'b') + "\r\nx=\xE4\r\n"},
        {"exactly one piece", std::string(2046, 'c') + "\n" + std::string(2047, 'd')},
        {"a NUL byte inside", std::string("a=1\0b=2\r\n", 9)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Convert(c.content), 1) << c.name;
        EXPECT_EQ(ReadFileBytes(Path()), kMark + kHeader + Utf16(c.content)) << c.name;
    }
}

TEST_F(Conversion, FilesThatAreLeftAlone) {
    struct Case {
        const char* name;
        std::string content;
    };
    const Case cases[] = {
        {"empty", ""},
        {"UTF-16LE", kMark + Utf16("[Toolbar]\r\nSkin=Heron_16.png\r\n")},
        {"mark only", kMark},
        {"UTF-8 with mark", "\xEF\xBB\xBF[Language]\r\nName=M\xC3\xBCller\r\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Convert(c.content), 1) << c.name;
        EXPECT_EQ(ReadFileBytes(Path()), c.content) << c.name;
        EXPECT_FALSE(FileExists(TemporaryPath())) << c.name << ": stray temporary file";
        // Closed on return: nothing holds the file open any more.
        EXPECT_TRUE(DeleteFileW(Path().c_str())) << c.name;
    }
}

TEST_F(Conversion, OneByteFileIsConverted) {
    EXPECT_EQ(Convert("x"), 1);
    EXPECT_EQ(ReadFileBytes(Path()), kMark + kHeader + Utf16("x"));
}

TEST_F(Conversion, EarlierTemporaryFileIsReplaced) {
    WriteFileBytes(TemporaryPath(), std::string(10000, 'z'));
    EXPECT_EQ(Convert("a=1\r\n"), 1);
    EXPECT_EQ(ReadFileBytes(Path()), kMark + kHeader + Utf16("a=1\r\n"));
    EXPECT_FALSE(FileExists(TemporaryPath()));
}

TEST_F(Conversion, TemporaryFileThatCannotBeMadeLeavesTheFileAsItWas) {
    ASSERT_TRUE(CreateDirectoryW(TemporaryPath().c_str(), nullptr));  // blocks the name
    EXPECT_EQ(Convert("a=\xE4\r\n"), 1);
    EXPECT_EQ(ReadFileBytes(Path()), "a=\xE4\r\n");
}

TEST_F(Conversion, FailedReplacementGivesZeroAndLeavesNoTemporaryFile) {
    WriteFileBytes(Path(), "a=1\r\n");
    // Another program reading the file without sharing deletion blocks its replacement.
    UniqueFileHandle reader(CreateFileW(Path().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(reader);
    UniqueStdioFile source(_wfopen(Path().c_str(), L"rb"));
    ASSERT_TRUE(source);
    EXPECT_EQ(ConvertSettingsToUnicode(Path().c_str(), std::move(source)), 0);
    reader.reset();
    EXPECT_EQ(ReadFileBytes(Path()), "a=1\r\n");
    EXPECT_FALSE(FileExists(TemporaryPath()));
}

}  // namespace
}  // namespace lumetra
