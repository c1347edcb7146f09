// Small ZIP archives made at test time, including broken ones that a real archiver
// would never write: a wrong CRC, an unknown compression method, names of any bytes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace lumetra::test {

// DOS date in the high and DOS time in the low 16 bits (two-second resolution).
uint32_t DosDateTime(int year, int month, int day, int hour, int minute, int second);

struct ZipEntrySpec {
    static constexpr uint16_t kStored = 0;
    static constexpr uint16_t kDeflated = 8;

    std::string name;  // stored as these bytes; a folder entry's name ends in "/"
    std::string data;  // uncompressed content
    // Any other method is written with the data stored, so that only the method is wrong.
    uint16_t method = kDeflated;
    uint32_t dosDateTime = DosDateTime(2024, 11, 18, 4, 59, 0);
    bool wrongCrc = false;  // stores a CRC-32 that does not match the data
};

// A stored folder entry of size 0.
ZipEntrySpec FolderEntry(const std::string& name);
// A file entry, deflated unless another method is given.
ZipEntrySpec FileEntry(const std::string& name, const std::string& data,
                       uint16_t method = ZipEntrySpec::kDeflated);

// The bytes of a complete archive with the entries in this order.
std::string ZipArchiveBytes(const std::vector<ZipEntrySpec>& entries);
void WriteZipArchive(const std::wstring& path, const std::vector<ZipEntrySpec>& entries);

// Reproducible filler of a given size that deflate cannot shrink to nothing.
std::string PseudoRandomBytes(size_t size, uint32_t seed);

}  // namespace lumetra::test
