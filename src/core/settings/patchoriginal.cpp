#include "core/settings/patchoriginal.h"

#include "core/settings/settingsfile.h"
#include "romdata/imageerror.h"

#include <filesystem>

namespace quorled {

namespace {

constexpr const char* kSection = "Options";
constexpr const char* kKey = "PatchOriginal";

} // namespace

std::string lastPatchOriginal(const std::string& settingsPath)
{
    return SettingsFile::load(settingsPath).read(kSection, kKey);
}

void rememberPatchOriginal(const std::string& settingsPath, const std::string& path)
{
    if (path.find_first_of("\r\n") != std::string::npos || path.size() > SettingsFile::kMaxValueLength)
        throw ImageError("The settings file can't keep the name of the original image.");
    SettingsFile file = SettingsFile::load(settingsPath);
    if (file.read(kSection, kKey) == path)
        return;
    file.write(kSection, kKey, path);
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(settingsPath).parent_path(), ignored);
    file.save(settingsPath);
}

} // namespace quorled
