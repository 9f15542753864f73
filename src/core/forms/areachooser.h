#pragma once

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace quorled {

struct AreaDirectory;

// The choices of the "Select area" dialog. They persist from one opening of
// the dialog to the next; both are 0 before the first choice.
class AreaChooser {
public:
    static constexpr int kWorlds = 7;

    // "World 1" .. "World 7".
    static std::vector<std::string> worldNames();
    // The world (1..7) whose list holds `area`, and the area's 0-based
    // entry in it; nullopt for an area no world's list holds.
    static std::optional<std::pair<int, int>> placeOf(int area, const AreaDirectory& directory);
    // Chooses world 1..7 and returns the names of its areas, from its first
    // area up to the first area of the next world.
    std::vector<std::string> chooseWorld(int world, const AreaDirectory& directory);
    // Chooses entry `index` (0-based) of the chosen world's list.
    void chooseArea(int index, const AreaDirectory& directory);

    int chosenWorld() const { return chosenWorld_; }
    int chosenArea() const { return chosenArea_; }

private:
    int chosenWorld_ = 0;
    int chosenArea_ = 0;
};

} // namespace quorled
