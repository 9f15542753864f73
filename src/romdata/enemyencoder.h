#pragma once

#include "areamodel.h"

#include <array>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace quorled {

// Highest enemy page the data can hold, and enemies a page can hold (count
// byte 0xF9).
inline constexpr int kLastEnemyPage = 100;
inline constexpr int kMaxEnemiesPerPage = 124;

// The enemy page of an enemy: its column's page in a horizontal area, its
// row's page in a vertical one, 16 a page.
int enemyPage(const Enemy& enemy, int isVertical);

// Puts the enemies in page order (stable, on the column in a horizontal area
// and on the row in a vertical one).
void sortEnemies(AreaModel& model);

// A sentence for the user when an enemy lies on a page the data cannot hold
// or a page holds more enemies than its count byte can say.
std::optional<std::string> checkEnemyPages(const AreaModel& model);

// Enemies on each page 0..100. The model must pass checkEnemyPages.
std::array<int, kLastEnemyPage + 1> countEnemyPages(const AreaModel& model);

// The enemy block of a sorted model that passes checkEnemyPages, from its
// first count byte to its closing bytes. The closing byte 0x01 is followed by
// more empty pages and a final 0xFF as far as the block reached when loaded
// (enemyLastPage + 2 + 2 * enemyCount bytes), so that the block loads with
// the same number of pages again; the padding stops at `room` bytes.
std::vector<std::uint8_t> encodeEnemyData(const AreaModel& model, long room = std::numeric_limits<long>::max());

// Re-splits enemy coordinates for the model's scrolling direction: pages
// move from one axis to the other, 15 rows a page.
void convertEnemyCoordinates(AreaModel& model);

} // namespace quorled
