#include "areadamage.h"

#include "areadirectory.h"
#include "arealoader.h"
#include "areadecodekey.h"
#include "romimage.h"
#include "shownname.h"

#include <map>

namespace quorled {

int damagedAreaCount(const RomImage& image, const AreaDirectory& directory, ImageKind kind)
{
    // Areas on the same data decode alike: each distinct key once.
    std::map<AreaDecodeKey, bool> seen;
    int damaged = 0;
    for (int area = 0; area < kAreaCount; ++area) {
        const auto [at, added] = seen.emplace(areaDecodeKey(directory, kind, area), false);
        if (added)
            at->second = !loadArea(image, directory, kind, area).damage.empty();
        damaged += at->second ? 1 : 0;
    }
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
