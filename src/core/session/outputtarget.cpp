#include "core/session/outputtarget.h"

#include "romdata/filestore.h"
#include "romdata/shownname.h"

#include <filesystem>

namespace quorled {

std::optional<std::string> outputTargetRefusal(const std::string& target, const std::string& imagePath)
{
    namespace fs = std::filesystem;
    if (target.empty())
        return std::string("No file was named.");
    std::error_code error;
    const fs::file_status status = fs::status(target, error);
    if (!fs::exists(status))
        return std::nullopt;
    if (!imagePath.empty() && sameFileOnDisk(target, imagePath))
        return "The file " + shownName(target) + " is the open image itself; choose another name.";
    if (!fs::is_regular_file(status))
        return "The file " + shownName(target) + " is not a regular file; nothing was written.";
    return std::nullopt;
}

} // namespace quorled
