// lu_exifinfo.exe: prints the EXIF orientation of every JPEG file named on the command
// line (1 upright to 8). Exit code 0 when every file could be read, 1 otherwise.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <vector>

#include "plugins/exif_orientation.h"

namespace {

// The EXIF block sits at the start of a JPEG file; this much is plenty.
constexpr size_t kReadLimit = 256 * 1024;

const wchar_t* Describe(int orientation) {
    static const wchar_t* const kNames[] = {L"keine Angabe", L"aufrecht", L"gespiegelt",
                                            L"um 180 Grad gedreht", L"vertikal gespiegelt",
                                            L"gespiegelt und um 90 Grad nach links gedreht",
                                            L"um 90 Grad nach rechts gedreht",
                                            L"gespiegelt und um 90 Grad nach rechts gedreht",
                                            L"um 90 Grad nach links gedreht"};
    return kNames[orientation >= 0 && orientation <= 8 ? orientation : 0];
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        std::fwprintf(stderr, L"Aufruf: lu_exifinfo <JPEG-Datei> ...\n");
        return 1;
    }
    int result = 0;
    std::vector<uint8_t> buffer(kReadLimit);
    for (int i = 1; i < argc; ++i) {
        FILE* file = _wfopen(argv[i], L"rb");
        if (!file) {
            std::wprintf(L"%ls: nicht lesbar\n", argv[i]);
            result = 1;
            continue;
        }
        const size_t got = std::fread(buffer.data(), 1, buffer.size(), file);
        std::fclose(file);
        const int orientation = lumetra::plugins::ReadExifOrientation(buffer.data(), got);
        std::wprintf(L"%ls: %d (%ls)\n", argv[i], orientation, Describe(orientation));
    }
    return result;
}
