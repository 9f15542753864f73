#include "areadamage.h"

#include "areadirectory.h"
#include "arealoader.h"
#include "romimage.h"
#include "shownname.h"

namespace quorled {

int damagedAreaCount(const RomImage& image, const AreaDirectory& directory, ImageKind kind)
{
    int damaged = 0;
    for (int area = 0; area < kAreaCount; ++area)
        if (!loadArea(image, directory, kind, area).damage.empty())
            ++damaged;
    return damaged;
}

std::optional<std::string> manyDamagedAreasNote(const std::string& path, int damaged)
{
    if (damaged <= kManyDamagedAreas)
        return std::nullopt;
    return std::to_string(damaged) + " of the " + std::to_string(kAreaCount) + " areas of " + shownName(path) +
           " do not decode cleanly (more than " + std::to_string(kManyDamagedAreas) +
           "): the file may be damaged, or it is no image of the game.";
}

} // namespace quorled
