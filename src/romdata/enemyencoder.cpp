#include "enemyencoder.h"

#include <algorithm>
#include <utility>

namespace quorled {

int enemyPage(const Enemy& enemy, int isVertical) { return (isVertical ? enemy.y : enemy.x) / 16; }

void sortEnemies(AreaModel& model)
{
    std::vector<Enemy>& enemies = model.enemies;
    const auto key = [&](const Enemy& e) { return model.isVertical ? e.y : e.x; };
    bool exchanged = true;
    while (exchanged) {
        exchanged = false;
        for (std::size_t j = 0; j + 1 < enemies.size(); ++j) {
            if (key(enemies[j + 1]) < key(enemies[j])) {
                std::swap(enemies[j], enemies[j + 1]);
                exchanged = true;
            }
        }
    }
}

std::optional<std::string> checkEnemyPages(const AreaModel& model)
{
    std::array<int, kLastEnemyPage + 1> counts{};
    const char* axis = model.isVertical ? "row " : "column ";
    for (const Enemy& enemy : model.enemies) {
        const int page = enemyPage(enemy, model.isVertical);
        const int at = model.isVertical ? enemy.y : enemy.x;
        if (at < 0)
            return "An enemy of type " + std::to_string(enemy.type) + " lies at " + axis + std::to_string(at) +
                   ", before the start of the area. Move it into the area and save again.";
        if (page > kLastEnemyPage)
            return "An enemy of type " + std::to_string(enemy.type) + " lies at " + axis + std::to_string(at) +
                   ", on page " + std::to_string(page) + "; enemies can be placed on pages 0 to " +
                   std::to_string(kLastEnemyPage) + " only.";
        if (++counts[static_cast<std::size_t>(page)] > kMaxEnemiesPerPage)
            return "Page " + std::to_string(page) + " holds more than " + std::to_string(kMaxEnemiesPerPage) +
                   " enemies, the most one page can hold. Move some of them to other pages and save again.";
    }
    return std::nullopt;
}

std::array<int, kLastEnemyPage + 1> countEnemyPages(const AreaModel& model)
{
    std::array<int, kLastEnemyPage + 1> counts{};
    for (const Enemy& enemy : model.enemies)
        ++counts[static_cast<std::size_t>(enemyPage(enemy, model.isVertical))];
    return counts;
}

std::vector<std::uint8_t> encodeEnemyData(const AreaModel& model, long room)
{
    const auto counts = countEnemyPages(model);
    std::vector<std::uint8_t> out;
    std::size_t page = 0;
    int remaining = 0;
    std::size_t i = 0;
    do {
        if (remaining == 0) {
            out.push_back(static_cast<std::uint8_t>((2 * counts[page] + 1) & 0xFF));
            remaining = counts[page];
            ++page;
        } else {
            --remaining;
            const Enemy& enemy = model.enemies[i];
            out.push_back(static_cast<std::uint8_t>(enemy.type & 0xFF));
            out.push_back(static_cast<std::uint8_t>((enemy.x & 15) * 16 + (enemy.y & 15)));
            ++i;
        }
    } while (i < model.enemies.size());

    // The closing page, then empty pages and a final 0xFF up to where the
    // loaded block ended, so that a load finds as many pages as before (the
    // block is `total` bytes long, its terminator included). The padding is
    // filler: where it does not fit the room it is cut short.
    const long total = model.enemyLastPage + 2 + 2L * model.enemyCount();
    const long p = static_cast<long>(out.size());
    out.push_back(0x01);
    const long end = std::min(total, room);
    if (p < total - 3 && end > p + 1) {
        out.resize(static_cast<std::size_t>(end - 1), 0x01);
        out.push_back(0xFF);
    }
    return out;
}

void convertEnemyCoordinates(AreaModel& model)
{
    for (Enemy& enemy : model.enemies) {
        enemy.y = enemy.y + (enemy.x / 16) * 15;
        enemy.x = enemy.x & 15;
        if (!model.isVertical) {
            enemy.x = enemy.x + (enemy.y / 15) * 16;
            enemy.y = enemy.y % 15;
        }
    }
}

} // namespace quorled
