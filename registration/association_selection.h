// Which rows of the file-type table the user chose to associate with the viewer: one
// on/off flag per row, indexed by row.
#pragma once

#include <cstddef>

namespace lumetra {

// Rows of the file-type table; the leading kImageRowCount rows are image formats.
inline constexpr size_t kFileTypeRowCount = 62;
inline constexpr size_t ImageRowCount = 48;

class AssociationSelection {
public:
    AssociationSelection() { SelectNone(); }

    void SelectNone() { Fill(0, kFileTypeRowCount, 0); }
    void SelectImagesOnly() {
        Fill(0, ImageRowCount, 1);
        Fill(ImageRowCount, kFileTypeRowCount, 0);
    }
    void SelectAll() { Fill(0, kFileTypeRowCount, 1); }

    // Rows outside the table are never selected and cannot be set.
    void Set(size_t row, int on) {
        if (row < kFileTypeRowCount) flags_[row] = on;
    }
    int Get(size_t row) const { return row < kFileTypeRowCount ? flags_[row] : 0; }
    bool IsSelected(size_t row) const { return Get(row) != 0; }
    bool AnySelected() const {
        for (int flag : flags_) {
            if (flag != 0) return true;
        }
        return false;
    }

private:
    void Fill(size_t first, size_t end, int value) {
        for (size_t row = first; row < end; ++row) flags_[row] = value;
    }

    int flags_[kFileTypeRowCount];
};

}  // namespace lumetra
