#include "tests/support/zip_writer.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include "tests/support/temp_folder.h"

namespace lumetra::test {
namespace {

void Put16(std::string& out, uint32_t value) {
    out.push_back(static_cast<char>(value & 0xFF));
    out.push_back(static_cast<char>((value >> 8) & 0xFF));
}

void Put32(std::string& out, uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

std::string RawDeflate(const std::string& data) {
    z_stream stream = {};
    if (deflateInit2(&stream, 9, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK) {
        ADD_FAILURE() << "deflateInit2 failed";
        return {};
    }
    std::string out(deflateBound(&stream, static_cast<uLong>(data.size())), '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    stream.avail_in = static_cast<uInt>(data.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    EXPECT_EQ(deflate(&stream, Z_FINISH), Z_STREAM_END);
    out.resize(stream.total_out);
    deflateEnd(&stream);
    return out;
}

}  // namespace

uint32_t DosDateTime(int year, int month, int day, int hour, int minute, int second) {
    const uint32_t date = static_cast<uint32_t>(((year - 1980) << 9) | (month << 5) | day);
    const uint32_t time = static_cast<uint32_t>((hour << 11) | (minute << 5) | (second / 2));
    return (date << 16) | time;
}

ZipEntrySpec FolderEntry(const std::string& name) {
    ZipEntrySpec entry;
    entry.name = name;
    entry.method = ZipEntrySpec::kStored;
    return entry;
}

ZipEntrySpec FileEntry(const std::string& name, const std::string& data, uint16_t method) {
    ZipEntrySpec entry;
    entry.name = name;
    entry.data = data;
    entry.method = method;
    return entry;
}

std::string ZipArchiveBytes(const std::vector<ZipEntrySpec>& entries) {
    std::string archive;
    std::string directory;
    for (const ZipEntrySpec& entry : entries) {
        const std::string body = entry.method == ZipEntrySpec::kDeflated ? RawDeflate(entry.data) : entry.data;
        uint32_t crc = static_cast<uint32_t>(
            crc32(0, reinterpret_cast<const Bytef*>(entry.data.data()), static_cast<uInt>(entry.data.size())));
        if (entry.wrongCrc) crc ^= 0x5A5A5A5A;
        const uint32_t offset = static_cast<uint32_t>(archive.size());
        const uint32_t version = entry.method == ZipEntrySpec::kDeflated ? 20 : 10;

        Put32(archive, 0x04034B50);
        Put16(archive, version);
        Put16(archive, 0);  // no flags: no encryption, no data descriptor
        Put16(archive, entry.method);
        Put32(archive, entry.dosDateTime);
        Put32(archive, crc);
        Put32(archive, static_cast<uint32_t>(body.size()));
        Put32(archive, static_cast<uint32_t>(entry.data.size()));
        Put16(archive, static_cast<uint32_t>(entry.name.size()));
        Put16(archive, 0);
        archive += entry.name;
        archive += body;

        const bool folder = !entry.name.empty() && entry.name.back() == '/';
        Put32(directory, 0x02014B50);
        Put16(directory, version);  // made by MS-DOS
        Put16(directory, version);
        Put16(directory, 0);
        Put16(directory, entry.method);
        Put32(directory, entry.dosDateTime);
        Put32(directory, crc);
        Put32(directory, static_cast<uint32_t>(body.size()));
        Put32(directory, static_cast<uint32_t>(entry.data.size()));
        Put16(directory, static_cast<uint32_t>(entry.name.size()));
        Put16(directory, 0);  // extra field
        Put16(directory, 0);  // comment
        Put16(directory, 0);  // disk
        Put16(directory, 0);  // internal attributes
        Put32(directory, folder ? 0x30 : 0x20);
        Put32(directory, offset);
        directory += entry.name;
    }
    const uint32_t directoryOffset = static_cast<uint32_t>(archive.size());
    archive += directory;
    Put32(archive, 0x06054B50);
    Put16(archive, 0);
    Put16(archive, 0);
    Put16(archive, static_cast<uint32_t>(entries.size()));
    Put16(archive, static_cast<uint32_t>(entries.size()));
    Put32(archive, static_cast<uint32_t>(directory.size()));
    Put32(archive, directoryOffset);
    Put16(archive, 0);
    return archive;
}

void WriteZipArchive(const std::wstring& path, const std::vector<ZipEntrySpec>& entries) {
    WriteFileBytes(path, ZipArchiveBytes(entries));
}

std::string PseudoRandomBytes(size_t size, uint32_t seed) {
    std::string bytes(size, '\0');
    uint32_t state = seed | 1;
    for (char& byte : bytes) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        byte = static_cast<char>(state & 0xFF);
    }
    return bytes;
}

}  // namespace lumetra::test
