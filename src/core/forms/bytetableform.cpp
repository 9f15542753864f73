#include "core/forms/bytetableform.h"

#include "romdata/bytes.h"
#include "romdata/imageerror.h"
#include "romdata/romimage.h"
#include "core/forms/tabletexts.h"
#include "romdata/shownname.h"

namespace quorled {

ByteTableForm::ByteTableForm(const RomImage& image, ByteTableId id) : table_(byteTable(id))
{
    checkFits(image, lastOffset(table_), "\"" + std::string(table_.caption) + "\"");
    for (const ByteTableRow& row : table_.rows)
        values_.push_back(image.read(row.offset));
}

void ByteTableForm::checkFits(const RomImage& image, long last, std::string_view what)
{
    if (image.contains(last))
        return;
    throw ImageError("The image " + shownName(image.path()) + " has " + std::to_string(image.size()) + " bytes, too few for " +
                     std::string(what) + " (up to " + hexAddress(last) + "), so it can't be edited.");
}

void ByteTableForm::setValue(int row, int value) { values_[static_cast<std::size_t>(row)] = value & 0xFF; }

std::string ByteTableForm::shown(int row) const
{
    return shownValue(table_.rows[static_cast<std::size_t>(row)].display, value(row));
}

std::string ByteTableForm::name(int row) const
{
    return nameLabel(table_.rows[static_cast<std::size_t>(row)].display, value(row));
}

void ByteTableForm::write(RomImage& image) const
{
    for (std::size_t i = 0; i < values_.size(); ++i)
        image.write(table_.rows[i].offset, values_[i]);
}

} // namespace quorled
