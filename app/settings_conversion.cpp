#include "app/settings_conversion.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <cwchar>

#include "app/build_constants.h"
#include "app/path_helpers.h"
#include "app/text_buffer.h"

namespace lumetra {
namespace {

// A line is read in pieces of at most this many bytes; each piece is converted alone.
constexpr size_t kPieceBytes = 2047;
constexpr size_t kPieceCharacters = 2048;

constexpr unsigned char kUtf16LeMark[] = {0xFF, 0xFE};
constexpr unsigned char kUtf8Mark[] = {0xEF, 0xBB, 0xBF};

// True when the file begins with a byte order mark: the profile functions already keep
// it in that encoding, and reading it as ANSI text would garble it.
bool StartsWithByteOrderMark(FILE* file) {
    unsigned char start[3] = {};
    const size_t got = std::fread(start, 1, sizeof(start), file);
    if (got >= 2 && std::memcmp(start, kUtf16LeMark, 2) == 0) return true;
    return got == 3 && std::memcmp(start, kUtf8Mark, 3) == 0;
}

// Reads up to and including the next line feed, at most kPieceBytes bytes. Gives the
// number of bytes read; 0 at the end of the file. Bytes are counted rather than
// terminated, so that a NUL byte in the file is not a line's end.
size_t ReadLinePiece(FILE* file, char (&piece)[kPieceBytes]) {
    size_t count = 0;
    while (count < kPieceBytes) {
        const int byte = std::fgetc(file);
        if (byte == EOF) break;
        piece[count++] = static_cast<char>(byte);
        if (byte == '\n') break;
    }
    return count;
}

bool WriteWide(FILE* file, const wchar_t* text, size_t count) {
    return std::fwrite(text, sizeof(wchar_t), count, file) == count;
}

// The temporary file beside the settings file. False when the folder of a settings path
// cannot be had (a folder too long to split), since the temporary file must not land
// anywhere else.
bool TemporaryPathBeside(const wchar_t* path, wchar_t (&temporary)[kFolderTextCapacity]) {
    temporary[0] = L'\0';
    if (path[0] != L'\0') DirectoryOfPath(path, temporary);
    const bool namesFolder = std::wcspbrk(path, L"\\/:") != nullptr;
    if (namesFolder && temporary[0] == L'\0') return false;
    return AppendText(temporary, kSettingsTempFileName);
}

// What the copy into the temporary file came to.
enum class CopyOutcome { Written, Empty, Failed };

CopyOutcome WriteUnicodeCopy(FILE* source, FILE* target) {
    static_assert(sizeof(wchar_t) == 2, "UTF-16LE is written as the platform's wchar_t");
    bool written = std::fwrite(kUtf16LeMark, 1, sizeof(kUtf16LeMark), target) == sizeof(kUtf16LeMark) &&
                   WriteWide(target, kUnicodeSettingsHeader, TextLength(kUnicodeSettingsHeader));
    size_t pieces = 0;
    char piece[kPieceBytes];
    wchar_t converted[kPieceCharacters];
    size_t bytes;
    while (written && (bytes = ReadLinePiece(source, piece)) > 0) {
        const int characters = MultiByteToWideChar(CP_ACP, 0, piece, static_cast<int>(bytes), converted,
                                                   static_cast<int>(kPieceCharacters));
        written = characters > 0 && WriteWide(target, converted, static_cast<size_t>(characters));
        ++pieces;
    }
    if (!written || std::ferror(source)) return CopyOutcome::Failed;
    return pieces == 0 ? CopyOutcome::Empty : CopyOutcome::Written;
}

}  // namespace

int ConvertSettingsToUnicode(const wchar_t* path, UniqueStdioFile file) {
    if (!file) return 1;
    if (StartsWithByteOrderMark(file.get())) return 1;
    std::rewind(file.get());

    wchar_t temporaryPath[kFolderTextCapacity];
    if (!TemporaryPathBeside(path, temporaryPath)) return 1;
    UniqueStdioFile temporary(_wfopen(temporaryPath, L"wb"));
    if (!temporary) return 1;

    CopyOutcome outcome = WriteUnicodeCopy(file.get(), temporary.get());
    file.reset();
    // fclose flushes: a failure there is a failed write like any other.
    if (std::fclose(temporary.release()) != 0) outcome = CopyOutcome::Failed;

    if (outcome != CopyOutcome::Written) {
        // Nothing to convert, or a copy that cannot be trusted: the settings file stays
        // as it is, and no stray temporary file is left beside it.
        DeleteFileW(temporaryPath);
        return 1;
    }
    if (MoveFileExW(temporaryPath, path, MOVEFILE_REPLACE_EXISTING)) return 1;
    DeleteFileW(temporaryPath);
    return 0;
}

}  // namespace lumetra
