#include "tablereach.h"

#include "romdata/bytes.h"
#include "romdata/imageerror.h"
#include "romdata/romimage.h"

namespace quorled {

std::optional<std::string> tableOutsideImage(const std::string& imagePath, long first, long last,
                                             const std::string& table)
{
    try {
        const RomImage image = RomImage::open(imagePath);
        if (image.contains(last))
            return std::nullopt;
        return "The image " + imagePath + " has " + std::to_string(image.size()) + " bytes, too few for the " +
               table + " at " + hexAddress(first) + ".." + hexAddress(last) + ", so it can't be edited.";
    } catch (const ImageError& error) {
        return std::string(error.what());
    }
}

} // namespace quorled
