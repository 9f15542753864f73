#include "core/session/imagecaption.h"

#include "romdata/arealoader.h"
#include "romdata/filestore.h"

namespace quorled {

std::string imageCaption(int area, const AreaDirectory& directory, const std::string& imagePath)
{
    std::string caption = areaCaption(area, directory);
    if (!imagePath.empty() && isReadOnlyFile(imagePath))
        caption += " [read-only]";
    return caption;
}

} // namespace quorled
