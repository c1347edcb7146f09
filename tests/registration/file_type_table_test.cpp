#include "registration/file_type_table.h"

#include <gtest/gtest.h>

#include <cwctype>
#include <map>
#include <set>
#include <string>

namespace lumetra {
namespace {

std::wstring Upper(const std::wstring& text) {
    std::wstring out = text;
    for (wchar_t& c : out) c = static_cast<wchar_t>(std::towupper(c));
    return out;
}

TEST(FileTypeTable, ListTextShowsTheRowsExtensionsInOrder) {
    for (size_t row = 0; row < kFileTypeRowCount; ++row) {
        const FileTypeEntry& entry = FileTypeTable[row];
        ASSERT_GE(entry.extensionCount, 1u) << row;
        ASSERT_LE(entry.extensionCount, kMaxExtensionsPerRow) << row;
        std::wstring joined;
        for (size_t i = 0; i < entry.extensionCount; ++i) {
            const std::wstring extension = entry.extensions[i].extension;
            EXPECT_EQ(extension, [&] {
                std::wstring lower = extension;
                for (wchar_t& c : lower) c = static_cast<wchar_t>(std::towlower(c));
                return lower;
            }()) << "row " << row << " extension is not lower case";
            joined += (i ? L"/" : L"") + Upper(extension);
        }
        EXPECT_EQ(joined, entry.listText) << "row " << row;
    }
}

TEST(FileTypeTable, EightySixExtensionsEachInExactlyOneRow) {
    std::map<std::wstring, size_t> rowOf;
    size_t count = 0;
    for (size_t row = 0; row < kFileTypeRowCount; ++row) {
        for (size_t i = 0; i < FileTypeTable[row].extensionCount; ++i) {
            const std::wstring extension = FileTypeTable[row].extensions[i].extension;
            EXPECT_TRUE(rowOf.emplace(extension, row).second)
                << ::testing::PrintToString(extension) << " is in rows " << rowOf[extension] << " and " << row;
            ++count;
        }
    }
    EXPECT_EQ(count, 86u);
    EXPECT_EQ(rowOf.size(), 86u);
}

TEST(FileTypeTable, ImageRowsAreExactlyTheLeading48) {
    EXPECT_EQ(ImageRowCount, 48u);
    for (size_t row = 0; row < kFileTypeRowCount; ++row) {
        EXPECT_EQ(FileTypeTable[row].isImageFormat, row < ImageRowCount) << row;
    }
    EXPECT_STREQ(FileTypeTable[0].listText, L"ANI");
    EXPECT_STREQ(FileTypeTable[47].listText, L"XPM");
    EXPECT_STREQ(FileTypeTable[48].listText, L"SWF/FLV");
    EXPECT_STREQ(FileTypeTable[61].listText, L"WMA");
}

// Every extension names its own class, except these, which share another's.
TEST(FileTypeTable, SharedProgIdSuffixes) {
    const std::map<std::wstring, std::wstring> shared = {
        {L"dib", L"bmp"},   {L"acr", L"dcm"},  {L"ima", L"dcm"},  {L"iw44", L"djvu"}, {L"ps", L"eps"},
        {L"jxr", L"hdp"},   {L"wdp", L"hdp"},  {L"lbm", L"iff"},  {L"jpc", L"jp2"},   {L"j2k", L"jp2"},
        {L"jpeg", L"jpg"},  {L"jfif", L"jpg"}, {L"jpe", L"jpg"},  {L"sun", L"ras"},   {L"rgb", L"sgi"},
        {L"tiff", L"tif"},  {L"mpeg", L"mpg"}, {L"snd", L"au"},
    };
    for (const FileTypeEntry& entry : FileTypeTable) {
        for (size_t i = 0; i < entry.extensionCount; ++i) {
            const ExtensionEntry& ext = entry.extensions[i];
            const auto found = shared.find(ext.extension);
            const std::wstring expected = found == shared.end() ? ext.extension : found->second;
            EXPECT_EQ(ext.progIdSuffix, expected) << ::testing::PrintToString(std::wstring(ext.extension));
        }
    }
}

// The rows that the suffix rules single out, whole.
TEST(FileTypeTable, RowsWithTheirOwnSuffixRules) {
    struct Case {
        size_t row;
        const wchar_t* listText;
        std::wstring suffixes;  // in extension order, joined by spaces
    };
    const Case cases[] = {
        {4, L"CRW/CR2/CR3", L"crw cr2 cr3"},
        {23, L"JPG/JPEG/JFIF/JPE", L"jpg jpg jpg jpg"},
        {26, L"MNG/JNG", L"mng jng"},
        {48, L"SWF/FLV", L"swf flv"},
        {52, L"MPG/MPE/MPEG", L"mpg mpe mpg"},
        {56, L"MID/RMI", L"mid rmi"},
    };
    for (const Case& c : cases) {
        const FileTypeEntry& entry = FileTypeTable[c.row];
        EXPECT_STREQ(entry.listText, c.listText);
        std::wstring suffixes;
        for (size_t i = 0; i < entry.extensionCount; ++i) {
            suffixes += (i ? L" " : L"") + std::wstring(entry.extensions[i].progIdSuffix);
        }
        EXPECT_EQ(suffixes, c.suffixes) << c.row;
    }
}

TEST(FileTypeTable, IconGroups) {
    const std::set<size_t> ownContent = {0, 5, 19};  // ANI, CUR, ICO
    for (size_t row = 0; row < kFileTypeRowCount; ++row) {
        IconSource expected = IconSource::ProgramIcon0;
        if (ownContent.count(row)) expected = IconSource::FileItself;
        if (row >= 50 && row <= 54) expected = IconSource::ProgramIcon9;  // video
        if (row >= 55) expected = IconSource::ProgramIcon8;                // audio
        const FileTypeEntry& entry = FileTypeTable[row];
        for (size_t i = 0; i < entry.extensionCount; ++i) {
            EXPECT_EQ(static_cast<int>(entry.extensions[i].icon), static_cast<int>(expected))
                << entry.listText << " " << i;
        }
    }
}

TEST(FileTypeTable, DescriptionsMarkPlugInFormats) {
    // Spot checks of both kinds; the mark is part of the text.
    EXPECT_STREQ(FileTypeTable[0].description, L"Animated Windows Cursors *");
    EXPECT_STREQ(FileTypeTable[2].description, L"Windows Bitmap");
    EXPECT_STREQ(FileTypeTable[17].description, L"JPEG-XR/HD-Photo Format *");
    EXPECT_STREQ(FileTypeTable[23].description, L"JPEG Format");
    EXPECT_STREQ(FileTypeTable[61].description, L"Windows Media Audio File *");
    size_t plugIns = 0;
    for (const FileTypeEntry& entry : FileTypeTable) {
        const std::wstring text = entry.description;
        if (text.size() >= 2 && text.compare(text.size() - 2, 2, L" *") == 0) ++plugIns;
    }
    EXPECT_EQ(plugIns, 45u);
}

}  // namespace
}  // namespace lumetra
