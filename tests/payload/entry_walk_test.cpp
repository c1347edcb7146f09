// The walk over the entries of an archive, driven through UnpackArchive with archives
// made at test time.
#include "payload/entry_walk.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "payload/extract_payload.h"
#include "tests/support/temp_folder.h"
#include "tests/support/zip_writer.h"

namespace lumetra {
namespace {

using test::FileEntry;
using test::FileExists;
using test::FolderContent;
using test::FolderEntry;
using test::FolderExists;
using test::ReadFileBytes;
using test::ScopedCurrentFolder;
using test::TempFolder;
using test::WriteFileBytes;
using test::ZipEntrySpec;
using Names = std::vector<std::wstring>;

// A scratch folder with an archive and an existing target folder "target" beside it.
class EntryWalk : public ::testing::Test {
protected:
    EntryWalk() : target_(scratch_ / L"target") { CreateDirectoryW(target_.c_str(), nullptr); }

    int Unpack(const std::vector<ZipEntrySpec>& entries, int keepIconsLibrary = 0) {
        const std::wstring archive = scratch_ / L"payload.zip";
        test::WriteZipArchive(archive, entries);
        ScopedCurrentFolder restore(test::CurrentFolder());
        return UnpackArchive(archive.c_str(), target_.c_str(), keepIconsLibrary);
    }

    std::wstring In(const std::wstring& relative) const { return target_ + L"\\" + relative; }

    TempFolder scratch_;
    const std::wstring target_;
};

FILETIME EntryTimeAsFileTime(uint32_t dosDateTime) {
    FILETIME local = {};
    FILETIME universal = {};
    DosDateTimeToFileTime(HIWORD(dosDateTime), LOWORD(dosDateTime), &local);
    LocalFileTimeToFileTime(&local, &universal);
    return universal;
}

struct FileTimes {
    FILETIME creation = {};
    FILETIME lastAccess = {};
    FILETIME lastWrite = {};
};

FileTimes TimesOf(const std::wstring& path) {
    FileTimes times;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(file, INVALID_HANDLE_VALUE) << "cannot open the extracted file";
    GetFileTime(file, &times.creation, &times.lastAccess, &times.lastWrite);
    CloseHandle(file);
    return times;
}

uint64_t Ticks(const FILETIME& time) { return (uint64_t{time.dwHighDateTime} << 32) | time.dwLowDateTime; }

TEST_F(EntryWalk, WritesFoldersAndFilesInEveryMethodAndSize) {
    CreateDirectoryW(In(L"Languages").c_str(), nullptr);  // an existing folder is no error
    const std::string big = test::PseudoRandomBytes(100000, 7);  // several copy blocks
    EXPECT_EQ(Unpack({FolderEntry("Languages/"),
                      FileEntry("Languages/Deutsch.ini", "[Sprache]\r\nName=Deutsch\r\n"),
                      FolderEntry("Plugins/"),
                      FileEntry("Plugins/big.bin", big),
                      FileEntry("stored.txt", "unkomprimiert", ZipEntrySpec::kStored),
                      FileEntry("empty.txt", ""),
                      FolderEntry("Help/")}),
              0);
    EXPECT_EQ(FolderContent(target_), (Names{L"Help\\", L"Languages\\", L"Plugins\\", L"empty.txt", L"stored.txt"}));
    EXPECT_EQ(ReadFileBytes(In(L"Languages\\Deutsch.ini")), "[Sprache]\r\nName=Deutsch\r\n");
    EXPECT_EQ(ReadFileBytes(In(L"Plugins\\big.bin")), big);
    EXPECT_EQ(ReadFileBytes(In(L"stored.txt")), "unkomprimiert");
    EXPECT_TRUE(FileExists(In(L"empty.txt")));
}

TEST_F(EntryWalk, FilesGetTheirFoldersOnDemand) {
    EXPECT_EQ(Unpack({FileEntry("deep/er/file.txt", "tief"),
                      FileEntry("late/file.txt", "vor dem Ordner"),
                      FolderEntry("late/"),
                      FileEntry("back\\slash\\file.txt", "mit Backslash")}),
              0);
    EXPECT_EQ(ReadFileBytes(In(L"deep\\er\\file.txt")), "tief");
    EXPECT_EQ(ReadFileBytes(In(L"late\\file.txt")), "vor dem Ordner");
    EXPECT_EQ(ReadFileBytes(In(L"back\\slash\\file.txt")), "mit Backslash");
}

TEST_F(EntryWalk, FilesTakeTheEntryTimeAsLocalTime) {
    ZipEntrySpec first = FileEntry("a.txt", "a");
    first.dosDateTime = test::DosDateTime(2024, 11, 18, 4, 59, 0);
    ZipEntrySpec second = FileEntry("sub/b.txt", "b");
    second.dosDateTime = test::DosDateTime(1999, 12, 31, 23, 59, 58);
    EXPECT_EQ(Unpack({first, second}), 0);

    for (const auto& [entry, path] : {std::pair{first, In(L"a.txt")}, std::pair{second, In(L"sub\\b.txt")}}) {
        SCOPED_TRACE(entry.name);
        const uint64_t expected = Ticks(EntryTimeAsFileTime(entry.dosDateTime));
        const FileTimes times = TimesOf(path);
        EXPECT_EQ(Ticks(times.creation), expected);
        EXPECT_EQ(Ticks(times.lastWrite), expected);
        EXPECT_GT(Ticks(times.lastAccess), expected) << "the last access is the writing, not the entry's time";
    }
}

TEST_F(EntryWalk, CrcMismatchKeepsThatFileWhole_ThenStops) {
    ZipEntrySpec broken = FileEntry("b.bin", test::PseudoRandomBytes(70000, 3));
    broken.wrongCrc = true;
    broken.dosDateTime = test::DosDateTime(2020, 2, 29, 12, 0, 0);
    EXPECT_EQ(Unpack({FileEntry("a.txt", "vorher"), broken, FileEntry("c.txt", "nachher")}), 0);
    EXPECT_EQ(ReadFileBytes(In(L"a.txt")), "vorher");
    EXPECT_EQ(ReadFileBytes(In(L"b.bin")), broken.data);
    EXPECT_EQ(Ticks(TimesOf(In(L"b.bin")).lastWrite), Ticks(EntryTimeAsFileTime(broken.dosDateTime)));
    EXPECT_FALSE(FileExists(In(L"c.txt")));
}

TEST_F(EntryWalk, UnsupportedMethodStopsTheWalk) {
    EXPECT_EQ(Unpack({FileEntry("a.txt", "vorher"), FileEntry("b.bin", "unbekannt", 99), FileEntry("c.txt", "nachher")}),
              0);
    EXPECT_EQ(FolderContent(target_), (Names{L"a.txt"}));
}

TEST_F(EntryWalk, LockedFileIsLeftAlone_AndTheWalkGoesOn) {
    CreateDirectoryW(In(L"sub").c_str(), nullptr);
    WriteFileBytes(In(L"sub\\locked.txt"), "alt");
    HANDLE locked = CreateFileW(In(L"sub\\locked.txt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(locked, INVALID_HANDLE_VALUE);
    const int result = Unpack({FileEntry("sub/locked.txt", "neu"), FileEntry("after.txt", "neu")});
    CloseHandle(locked);

    EXPECT_EQ(result, 0);
    EXPECT_EQ(ReadFileBytes(In(L"sub\\locked.txt")), "alt");
    EXPECT_EQ(ReadFileBytes(In(L"after.txt")), "neu");
}

// Wine keeps the read-only attribute in the Unix permission bits, which do not bind the
// superuser: run as root, a read-only file can be overwritten like any other.
bool ReadOnlyIsEnforced(const std::wstring& folder) {
    const std::wstring probe = folder + L"\\read-only-probe";
    WriteFileBytes(probe, "x");
    SetFileAttributesW(probe.c_str(), FILE_ATTRIBUTE_READONLY);
    HANDLE file = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    const bool enforced = file == INVALID_HANDLE_VALUE;
    if (!enforced) CloseHandle(file);
    SetFileAttributesW(probe.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(probe.c_str());
    return enforced;
}

TEST_F(EntryWalk, ReadOnlyFileIsLeftAlone_AndTheWalkGoesOn) {
    if (!ReadOnlyIsEnforced(scratch_.path())) GTEST_SKIP() << "read-only files are writable here (Wine as root)";
    WriteFileBytes(In(L"ro.txt"), "alt");
    SetFileAttributesW(In(L"ro.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(Unpack({FileEntry("ro.txt", "neu"), FileEntry("after.txt", "neu")}), 0);
    EXPECT_EQ(ReadFileBytes(In(L"ro.txt")), "alt");
    EXPECT_EQ(ReadFileBytes(In(L"after.txt")), "neu");
}

// Which of these entries a walk writes, by the keepIconsLibrary flag.
struct IconsFlagCase {
    int flag;
    Names written;
};

TEST_F(EntryWalk, FlagOneLeavesOutEveryIconsDllName) {
    const std::vector<ZipEntrySpec> entries = {
        FileEntry("Plugins/Icons.dll", "neu"),      FileEntry("Other/ICONS.DLL", "neu"),
        FileEntry("x/myicons.dll.bak", "neu"),      FileEntry("Plugins/Icon.dll", "neu"),
        FileEntry("Plugins/Formats.dll", "neu"),
    };
    const Names all = {L"Other\\ICONS.DLL", L"Plugins\\Formats.dll", L"Plugins\\Icon.dll", L"Plugins\\Icons.dll",
                       L"x\\myicons.dll.bak"};
    const IconsFlagCase cases[] = {
        {1, {L"Plugins\\Formats.dll", L"Plugins\\Icon.dll"}},
        {0, all},
        {2, all},  // only 1 has a meaning
    };
    for (const IconsFlagCase& c : cases) {
        SCOPED_TRACE(c.flag);
        TempFolder scratch;
        const std::wstring target = scratch / L"target";
        CreateDirectoryW(target.c_str(), nullptr);
        CreateDirectoryW((target + L"\\Plugins").c_str(), nullptr);
        const std::string installed = "installierte Bibliothek\r\n";
        WriteFileBytes(target + L"\\Plugins\\Icons.dll", installed);
        test::WriteZipArchive(scratch / L"p.zip", entries);
        {
            ScopedCurrentFolder restore(test::CurrentFolder());
            EXPECT_EQ(UnpackArchive((scratch / L"p.zip").c_str(), target.c_str(), c.flag), 0);
        }
        Names written;
        for (const std::wstring& name : all) {
            if (ReadFileBytes(target + L"\\" + name) == "neu") written.push_back(name);
        }
        EXPECT_EQ(written, c.written);
        if (c.flag == 1) {
            EXPECT_EQ(ReadFileBytes(target + L"\\Plugins\\Icons.dll"), installed);
        }
    }
}

TEST_F(EntryWalk, NamesThatLeaveTheTargetWriteNothingOutsideIt) {
    EXPECT_EQ(Unpack({FileEntry("../escape1.txt", "x"), FileEntry("..\\escape2.txt", "x"),
                      FileEntry("a/../../escape3.txt", "x"), FolderEntry("../escaped/"),
                      FileEntry("a/.. /escape4.txt", "x"), FileEntry("/lumetra-rooted.txt", "x"),
                      FileEntry("\\lumetra-rooted2.txt", "x"), FileEntry("C:lumetra-drive.txt", "x"),
                      FileEntry("C:/lumetra-drive2.txt", "x"), FileEntry("safe.txt:stream", "x"),
                      FileEntry("safe.txt", "sicher")}),
              0);
    EXPECT_EQ(FolderContent(target_), (Names{L"safe.txt"}));
    EXPECT_EQ(FolderContent(scratch_.path()), (Names{L"payload.zip", L"target\\"}));
    for (const wchar_t* outside : {L"C:\\lumetra-rooted.txt", L"C:\\lumetra-rooted2.txt", L"C:\\lumetra-drive2.txt"}) {
        EXPECT_FALSE(FileExists(outside)) << outside;
    }
}

// Folders of 99 characters each, then a leaf: long names whose components every file
// system takes.
std::string LongName(char letter, int folders, size_t leafLength) {
    std::string name;
    for (int i = 0; i < folders; ++i) name += std::string(99, letter) + "/";
    return name + std::string(leafLength - 4, letter) + ".txt";
}

TEST_F(EntryWalk, OverlongNamesAreSkipped) {
    const std::string tooManyBytes = LongName('a', 6, 9);    // 609 bytes: does not fit 520
    const std::string tooManyChars = LongName('b', 3, 24);   // 324 characters
    const std::string longest = LongName('c', 3, 23);        // 323 characters: allowed
    ASSERT_EQ(tooManyChars.size(), 324u);
    ASSERT_EQ(longest.size(), 323u);
    EXPECT_EQ(Unpack({FileEntry(tooManyBytes, "x"), FileEntry(tooManyChars, "x"), FileEntry(longest, "x"),
                      FileEntry("after.txt", "x")}),
              0);
    EXPECT_TRUE(FileExists(In(L"after.txt")));
    const std::wstring longestFolder = std::wstring(99, L'c') + L"\\";
    for (const std::wstring& name : FolderContent(target_)) {
        // The allowed name may still be too long for the system's path limit.
        EXPECT_TRUE(name == L"after.txt" || name == longestFolder) << "unexpected " << name.size() << " characters";
    }
}

}  // namespace
}  // namespace lumetra
