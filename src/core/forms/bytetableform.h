#pragma once

#include "romdata/bytetables.h"
#include "core/forms/tabletexts.h"

#include <string>
#include <vector>

namespace quorled {

class RomImage;

// The state of a byte-table dialog: the table and the byte of each row,
// read when it opens and written back, every row, on OK.
class ByteTableForm {
public:
    // Reads the rows' bytes. Throws ImageError, and reads nothing, when a
    // row lies past the end of the image: OK would otherwise grow the file.
    ByteTableForm(const RomImage& image, ByteTableId id);

    const ByteTable& table() const { return table_; }
    int rowCount() const { return static_cast<int>(values_.size()); }
    int value(int row) const { return values_[static_cast<std::size_t>(row)]; }
    // Keeps the low eight bits.
    void setValue(int row, int value);
    std::string shown(int row) const;
    std::string name(int row) const;

    // Writes every row's byte at its offset.
    void write(RomImage& image) const;

    // Throws ImageError naming the file when `last` lies past its end;
    // `what` names the bytes in the message ("the palette table").
    static void checkFits(const RomImage& image, long last, std::string_view what);

private:
    const ByteTable& table_;
    std::vector<int> values_;
};

} // namespace quorled
