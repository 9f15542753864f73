#include "core/forms/tablereach.h"

#include "core/forms/bytetableform.h"
#include "romdata/imageerror.h"
#include "romdata/romimage.h"

namespace quorled {

std::optional<std::string> tableOutsideImage(const RomImage& image, long last, const std::string& table)
{
    try {
        ByteTableForm::checkFits(image, last, table);
        return std::nullopt;
    } catch (const ImageError& error) {
        return std::string(error.what());
    }
}

} // namespace quorled
