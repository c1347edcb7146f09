#include "plugins/exif_orientation.h"

#include <cstring>

namespace lumetra::plugins {
namespace {

// A TIFF structure in either byte order, read with bounds checks.
class TiffReader {
public:
    TiffReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    bool ReadByteOrder() {
        if (size_ < 8) return false;
        if (data_[0] == 'I' && data_[1] == 'I') {
            little_ = true;
        } else if (data_[0] == 'M' && data_[1] == 'M') {
            little_ = false;
        } else {
            return false;
        }
        return U16(2) == 42;
    }

    uint32_t U16(size_t at) const {
        if (at + 2 > size_) return 0;
        return little_ ? (data_[at] | (data_[at + 1] << 8)) : ((data_[at] << 8) | data_[at + 1]);
    }

    uint32_t U32(size_t at) const {
        if (at + 4 > size_) return 0;
        return little_ ? (U16(at) | (U16(at + 2) << 16)) : ((U16(at) << 16) | U16(at + 2));
    }

    size_t size() const { return size_; }

private:
    const uint8_t* data_;
    size_t size_;
    bool little_ = true;
};

int OrientationInTiff(const uint8_t* tiff, size_t size) {
    TiffReader reader(tiff, size);
    if (!reader.ReadByteOrder()) return 0;
    const size_t directory = reader.U32(4);
    if (directory + 2 > reader.size()) return 0;
    const uint32_t count = reader.U16(directory);
    for (uint32_t i = 0; i < count; ++i) {
        const size_t entry = directory + 2 + i * 12;
        if (entry + 12 > reader.size()) return 0;
        if (reader.U16(entry) == 0x0112) {  // Orientation, a SHORT stored in the entry
            const uint32_t value = reader.U16(entry + 8);
            return value >= 1 && value <= 8 ? static_cast<int>(value) : 0;
        }
    }
    return 0;
}

}  // namespace

int ReadExifOrientation(const uint8_t* jpeg, size_t size) {
    if (jpeg == nullptr || size < 4 || jpeg[0] != 0xFF || jpeg[1] != 0xD8) return 0;
    size_t at = 2;
    while (at + 4 <= size && jpeg[at] == 0xFF) {
        const uint8_t marker = jpeg[at + 1];
        const size_t length = (static_cast<size_t>(jpeg[at + 2]) << 8) | jpeg[at + 3];
        if (marker == 0xDA || length < 2 || at + 2 + length > size) return 0;  // image data or broken
        const uint8_t* segment = jpeg + at + 4;
        const size_t segmentSize = length - 2;
        if (marker == 0xE1 && segmentSize > 6 && std::memcmp(segment, "Exif\0\0", 6) == 0) {
            return OrientationInTiff(segment + 6, segmentSize - 6);
        }
        at += 2 + length;
    }
    return 0;
}

}  // namespace lumetra::plugins
