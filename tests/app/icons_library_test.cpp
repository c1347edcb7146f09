// The icon-library decision with real libraries whose version resources the build made
// (tests/app/icons_fixtures), and the payload's own icon library.
#include "app/icons_library.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "app/text_buffer.h"
#include "tests/support/temp_folder.h"

namespace lumetra {
namespace {

using test::ProgramFolder;
using test::ReadFileBytes;
using test::TempFolder;
using test::WriteFileBytes;

std::wstring Fixture(const wchar_t* name) { return ProgramFolder() + L"\\" + name + L".dll"; }

// The payload's icon library, as the build made it.
std::wstring ShippedIconsLibrary() { return ProgramFolder() + L"\\..\\..\\payload-stage\\Plugins\\Icons.dll"; }

TEST(VersionThousandths, TruncatesInSinglePrecision) {
    const struct {
        const wchar_t* text;
        int thousandths;
    } cases[] = {
        {L"4.30", 4300}, {L"4.35", 4350}, {L"4.20", 4200}, {L"4.3", 4300}, {L"4.100", 4100},
        {L"0.29", 290},   // double precision would give 289
        {L"1.001", 1001}, // and 1000 here
        {L"", 0},         {L"kaputt", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(VersionThousandths(c.text), c.thousandths) << testing::PrintToString(std::wstring(c.text));
    }
}

TEST(ReadFileVersion, ReadsProductAndFileVersionAndTheUsEnglishCompany) {
    const struct {
        const wchar_t* fixture;
        const wchar_t* version;
        const wchar_t* company;
    } cases[] = {
        {L"icons_435_other", L"4.35", L"Anderer Hersteller"},
        {L"icons_420_kerbridge_lower", L"4.20", L"kerbridge"},
        {L"icons_420_german_block", L"4.20", L""},  // no 040904E4 block, no company
        {L"icons_430_kerbridge", L"4.30", L"KERBRIDGE"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.fixture)));
        wchar_t version[kPathCapacity] = L"?";
        wchar_t company[kPathCapacity] = L"?";
        ASSERT_EQ(ReadFileVersion(Fixture(c.fixture).c_str(), version, kPathCapacity, company, kPathCapacity), 1);
        EXPECT_EQ(std::wstring(version), c.version);
        EXPECT_EQ(std::wstring(company), c.company);
    }

    wchar_t version[kPathCapacity] = {};
    EXPECT_EQ(ReadFileVersion(Fixture(L"icons_no_version").c_str(), version, kPathCapacity, nullptr, 0), 0);
    EXPECT_EQ(ReadFileVersion(Fixture(L"fehlt").c_str(), version, kPathCapacity, nullptr, 0), 0);
}

TEST(ReadFileVersion, ShippedIconsLibraryIsOurs430) {
    wchar_t version[kPathCapacity] = {};
    wchar_t company[kPathCapacity] = {};
    ASSERT_EQ(ReadFileVersion(ShippedIconsLibrary().c_str(), version, kPathCapacity, company, kPathCapacity), 1);
    EXPECT_EQ(std::wstring(version), L"4.30");
    EXPECT_EQ(std::wstring(company), L"Kerbridge");
    EXPECT_EQ(ReadFileBytes(ShippedIconsLibrary()).size(), 226816u);
}

// Installs a copy of a library as Plugins\Icons.dll, optionally padded or cut to a size.
class IconsLibraryDecision : public ::testing::Test {
protected:
    int DecideFor(const std::wstring& source, size_t size = 0) {
        std::string bytes = ReadFileBytes(source);
        EXPECT_FALSE(bytes.empty()) << "fixture missing";
        if (size != 0) bytes.resize(size, '\0');  // an overlay after the image keeps it valid
        WriteFileBytes(installed_, bytes);
        return DecideKeepIconsLibrary(installed_.c_str());
    }

    TempFolder plugins_;
    const std::wstring installed_ = plugins_ / L"Icons.dll";
};

TEST_F(IconsLibraryDecision, NewerIsAlwaysKept) {
    EXPECT_EQ(DecideFor(Fixture(L"icons_435_other")), 1);
    EXPECT_EQ(DecideFor(Fixture(L"icons_435_kerbridge")), 1);
    EXPECT_EQ(DecideFor(Fixture(L"icons_435_kerbridge"), 226816), 1);
}

TEST_F(IconsLibraryDecision, OlderIsReplacedOnlyWhenItIsOurs) {
    EXPECT_EQ(DecideFor(Fixture(L"icons_420_kerbridge_lower")), 0);
    EXPECT_EQ(DecideFor(Fixture(L"icons_420_other")), 1);
    EXPECT_EQ(DecideFor(Fixture(L"icons_420_german_block")), 1);  // its company is not read
}

TEST_F(IconsLibraryDecision, SameVersionIsReplacedOnlyAtTheShippedSize) {
    EXPECT_EQ(DecideFor(Fixture(L"icons_430_kerbridge"), 226816), 0);
    EXPECT_EQ(DecideFor(Fixture(L"icons_430_kerbridge"), 226815), 1);
    EXPECT_EQ(DecideFor(Fixture(L"icons_430_kerbridge"), 226817), 1);
    EXPECT_EQ(DecideFor(Fixture(L"icons_430_kerbridge")), 1);
    EXPECT_EQ(DecideFor(Fixture(L"icons_430_other"), 226816), 1);
    EXPECT_EQ(DecideFor(ShippedIconsLibrary()), 0);  // a reinstallation replaces our own
}

TEST_F(IconsLibraryDecision, NoFileOrNoVersionIsReplaced) {
    EXPECT_EQ(DecideKeepIconsLibrary(installed_.c_str()), 0);
    EXPECT_EQ(DecideFor(Fixture(L"icons_no_version")), 0);
    WriteFileBytes(installed_, "keine Bibliothek");
    EXPECT_EQ(DecideKeepIconsLibrary(installed_.c_str()), 0);
}

}  // namespace
}  // namespace lumetra
