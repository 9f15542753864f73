#include "core/forms/tablereach.h"

#include "core/forms/bytetableform.h"
#include "romdata/imageerror.h"
#include "romdata/romimage.h"

namespace quorled {

std::optional<std::string> tableOutsideImage(const std::string& imagePath, long last, const std::string& table)
{
    try {
        ByteTableForm::checkFits(RomImage::open(imagePath), last, table);
        return std::nullopt;
    } catch (const ImageError& error) {
        return std::string(error.what());
    }
}

} // namespace quorled
