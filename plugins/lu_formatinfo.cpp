// lu_formatinfo.exe: prints the image format of every file named on the command line,
// told by its content. Exit code 0 when every file was recognised, 1 otherwise.
#include <windows.h>

#include <cstdio>
#include <cwchar>

#include "plugins/image_format.h"

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        std::fwprintf(stderr, L"Aufruf: lu_formatinfo <Datei> ...\n");
        return 1;
    }
    int result = 0;
    for (int i = 1; i < argc; ++i) {
        uint8_t header[lumetra::plugins::kFormatHeaderSize] = {};
        size_t got = 0;
        if (FILE* file = _wfopen(argv[i], L"rb")) {
            got = std::fread(header, 1, sizeof(header), file);
            std::fclose(file);
        } else {
            std::wprintf(L"%ls: nicht lesbar\n", argv[i]);
            result = 1;
            continue;
        }
        const wchar_t* format = lumetra::plugins::DetectImageFormat(header, got);
        std::wprintf(L"%ls: %ls\n", argv[i], format ? format : L"unbekanntes Format");
        if (!format) result = 1;
    }
    return result;
}
