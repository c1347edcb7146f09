#include "plugins/image_format.h"

#include <cstring>

namespace lumetra::plugins {
namespace {

bool StartsWith(const uint8_t* header, size_t size, const char* magic, size_t length, size_t offset = 0) {
    return size >= offset + length && std::memcmp(header + offset, magic, length) == 0;
}

}  // namespace

const wchar_t* DetectImageFormat(const uint8_t* header, size_t size) {
    if (header == nullptr) return nullptr;
    if (StartsWith(header, size, "\x89PNG\r\n\x1A\n", 8)) return L"PNG";
    if (StartsWith(header, size, "\xFF\xD8\xFF", 3)) return L"JPEG";
    if (StartsWith(header, size, "GIF87a", 6) || StartsWith(header, size, "GIF89a", 6)) return L"GIF";
    if (StartsWith(header, size, "BM", 2) && size >= 14) return L"BMP";
    if (StartsWith(header, size, "II*\0", 4) || StartsWith(header, size, "MM\0*", 4)) return L"TIFF";
    if (StartsWith(header, size, "RIFF", 4) && StartsWith(header, size, "WEBP", 4, 8)) return L"WEBP";
    if (StartsWith(header, size, "\0\0\1\0", 4) && size >= 6 && (header[4] | header[5]) != 0) return L"ICO";
    return nullptr;
}

}  // namespace lumetra::plugins
