#include "core/workbench/gamestats.h"

#include "romdata/bytes.h"
#include "romdata/roomuse.h"
#include "view/catalogue.h"

#include <algorithm>
#include <iomanip>
#include <sstream>
#include <map>
#include <utility>

namespace quorled {

namespace {

void addCounts(DataCounts& into, const DataCounts& from)
{
    into.objects += from.objects;
    into.enemies += from.enemies;
    into.levelBytes += from.levelBytes;
    into.levelRoom += from.levelRoom;
    into.enemyBytes += from.enemyBytes;
    into.enemyRoom += from.enemyRoom;
}

// Whether an earlier area starts its level data where this one does.
bool repeatsEarlierArea(const GameAreas& game, int area)
{
    for (int other : game.sharingWith(area))
        if (other < area)
            return true;
    return false;
}

std::vector<TypeUse> mostUsed(const std::map<std::pair<int, int>, int>& uses, bool enemy, int topCount)
{
    std::vector<TypeUse> list;
    const Catalogue& catalogue = Catalogue::instance();
    for (const auto& [key, count] : uses) {
        const std::string& name =
            enemy ? catalogue.enemyTypeName(key.second) : catalogue.objectTypeName(key.first, key.second);
        // Object types of different sets with the same name count together.
        auto same = std::find_if(list.begin(), list.end(), [&](const TypeUse& u) { return u.name == name; });
        if (same != list.end())
            same->uses += count;
        else
            list.push_back(TypeUse{enemy, key.second, name, count});
    }
    std::stable_sort(list.begin(), list.end(), [](const TypeUse& a, const TypeUse& b) { return a.uses > b.uses; });
    if (static_cast<int>(list.size()) > topCount)
        list.resize(static_cast<std::size_t>(topCount));
    return list;
}

void printCounts(std::ostream& out, const std::string& label, const DataCounts& c)
{
    out << std::left << std::setw(10) << label << std::right << std::setw(6) << c.objects << std::setw(7)
        << c.enemies << std::setw(7) << c.levelBytes << " /" << std::setw(6) << c.levelRoom << std::setw(7)
        << c.enemyBytes << " /" << std::setw(6) << c.enemyRoom << std::setw(7)
        << c.levelRoom - c.levelBytes + c.enemyRoom - c.enemyBytes << "\n";
}

void printTypes(std::ostream& out, const char* title, const std::vector<TypeUse>& types)
{
    out << title << "\n";
    for (const TypeUse& t : types)
        out << "  " << std::setw(5) << t.uses << "  " << hex2(t.type) << "  " << t.name << "\n";
}

} // namespace

int worldOfArea(const GameAreas& game, int area)
{
    const int level = area / 10;
    for (int k = 1; k <= 7; ++k)
        if (level >= game.worldBound(k) && level < game.worldBound(k + 1))
            return k;
    return 0;
}

GameStatsTally::GameStatsTally() { stats_.worlds.resize(7); }

void GameStatsTally::add(const GameAreas& game, int area)
{
    const GameArea& a = game.areas[static_cast<std::size_t>(area)];
    AreaStats s;
    s.area = area;
    s.world = worldOfArea(game, area);
    s.counts.objects = a.model().objCount();
    s.counts.enemies = a.model().enemyCount();
    if (a.room) {
        const RoomUse& use = a.roomUse();
        s.measured = !use.problem;
        s.counts.levelRoom = use.levelRoom;
        s.counts.enemyRoom = use.enemyRoom;
        s.counts.levelBytes = use.levelBytes;
        s.counts.enemyBytes = use.enemyBytes;
    }
    stats_.areas.push_back(s);
    if (repeatsEarlierArea(game, area))
        return;
    if (s.world >= 1)
        addCounts(stats_.worlds[static_cast<std::size_t>(s.world - 1)], s.counts);
    addCounts(stats_.total, s.counts);
    for (const LevelObject& o : a.model().objects)
        if (!o.special)
            ++objectUses_[{a.model().header.objectSet(), o.type}];
    for (const Enemy& e : a.model().enemies)
        ++enemyUses_[{0, e.type}];
}

GameStats GameStatsTally::finish(int topCount)
{
    stats_.topObjects = mostUsed(objectUses_, false, topCount);
    stats_.topEnemies = mostUsed(enemyUses_, true, topCount);
    return std::move(stats_);
}

GameStats gameStats(const GameAreas& game, int topCount)
{
    GameStatsTally tally;
    for (int area = 0; area < static_cast<int>(game.areas.size()); ++area)
        tally.add(game, area);
    return tally.finish(topCount);
}

std::string gameStatsText(const GameStats& stats)
{
    std::ostringstream out;
    out << "          objects enemies  level bytes   enemy bytes   free\n";
    for (const AreaStats& a : stats.areas)
        printCounts(out, "area " + hex2(a.area), a.counts);
    for (std::size_t w = 0; w < stats.worlds.size(); ++w)
        printCounts(out, "world " + std::to_string(w + 1), stats.worlds[w]);
    printCounts(out, "all", stats.total);
    out << "Areas that share data with an earlier one count once in the worlds and in all.\n";
    printTypes(out, "Most used objects:", stats.topObjects);
    printTypes(out, "Most used enemies:", stats.topEnemies);
    return out.str();
}

} // namespace quorled
