#pragma once

#include "core/workbench/gameareas.h"

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace quorled {

// Counts of one area or of a world: its items and the bytes its data takes
// against the room it has.
struct DataCounts {
    int objects = 0;
    int enemies = 0;
    long levelBytes = 0;
    long levelRoom = 0;
    long enemyBytes = 0;
    long enemyRoom = 0;
    bool operator==(const DataCounts&) const = default;
};

struct AreaStats {
    int area = 0;
    int world = 0; // 1..7, 0 outside every world
    DataCounts counts;
    // False when the area's room is unknown (damaged data) or it cannot be
    // encoded: its bytes then count 0.
    bool measured = false;
};

struct TypeUse {
    bool enemy = false;
    int type = 0;
    std::string name;
    int uses = 0;
    bool operator==(const TypeUse&) const = default;
};

struct GameStats {
    std::vector<AreaStats> areas;        // every area
    std::vector<DataCounts> worlds;      // index 0..6 = worlds 1..7
    DataCounts total;                    // areas that share data count once
    std::vector<TypeUse> topObjects;     // most used object types first
    std::vector<TypeUse> topEnemies;     // most used enemy types first
};

// The world (1..7) an area belongs to by the levels-per-world table; 0 when
// the table gives it none.
int worldOfArea(const GameAreas& game, int area);

// Statistics over all areas. Areas that share their data with an earlier
// one are left out of the world and game totals and of the type counts, so
// nothing counts twice. `topCount` limits the type lists.
GameStats gameStats(const GameAreas& game, int topCount = 10);

// The same statistics gathered area by area, in the order of the areas:
// add(game, area) needs only that area's model in `game` (the others by
// their headers, as forEachGameArea gives them).
class GameStatsTally {
public:
    GameStatsTally();
    void add(const GameAreas& game, int area);
    // The statistics of the areas added; the tally is used up.
    GameStats finish(int topCount = 10);

private:
    GameStats stats_;
    std::map<std::pair<int, int>, int> objectUses_; // (object set, type) -> uses
    std::map<std::pair<int, int>, int> enemyUses_;  // (0, type) -> uses
};

// The statistics as a table of text: every area, every world, all, and
// the most used types.
std::string gameStatsText(const GameStats& stats);

} // namespace quorled
