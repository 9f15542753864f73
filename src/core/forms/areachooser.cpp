#include "core/forms/areachooser.h"

#include "romdata/areadirectory.h"

#include <algorithm>

namespace quorled {

std::vector<std::string> AreaChooser::worldNames()
{
    std::vector<std::string> names;
    for (int w = 1; w <= kWorlds; ++w)
        names.push_back("World " + std::to_string(w));
    return names;
}

std::optional<std::pair<int, int>> AreaChooser::placeOf(int area, const AreaDirectory& directory)
{
    for (int w = 1; w <= kWorlds; ++w) {
        const int first = std::max(0, directory.worldFirstArea[static_cast<std::size_t>(w)]);
        const int end = std::min(kAreaCount, directory.worldFirstArea[static_cast<std::size_t>(w) + 1]);
        if (area >= first && area < end)
            return std::make_pair(w, area - first);
    }
    return std::nullopt;
}

std::vector<std::string> AreaChooser::chooseWorld(int world, const AreaDirectory& directory)
{
    std::vector<std::string> names;
    if (world < 1 || world > kWorlds)
        return names;
    chosenWorld_ = world;
    const auto first = static_cast<std::size_t>(world);
    for (int a = directory.worldFirstArea[first]; a < directory.worldFirstArea[first + 1] && a < kAreaCount; ++a)
        if (a >= 0)
            names.push_back(directory.areaName(a));
    return names;
}

void AreaChooser::chooseArea(int index, const AreaDirectory& directory)
{
    if (chosenWorld_ < 1 || index < 0)
        return;
    const int area = directory.worldFirstArea[static_cast<std::size_t>(chosenWorld_)] + index;
    if (area < directory.worldFirstArea[static_cast<std::size_t>(chosenWorld_) + 1] && area < kAreaCount)
        chosenArea_ = area;
}

} // namespace quorled
