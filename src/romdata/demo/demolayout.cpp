#include "demolayout.h"

#include "../areadirectory.h"
#include "../bytes.h"
#include "../imageerror.h"
#include "../romlayout.h"

#include <algorithm>
#include <map>

namespace quorled {

namespace {

const std::map<int, long>& fixedLevel()
{
    static const std::map<int, long> offsets{
        {0, kDemoArea0Level}, {1, kDemoArea1Level}, {2, kDemoArea2Level}, {5, kDemoArea5Level}, {200, kDemoArea209Level}};
    return offsets;
}

const std::map<int, long>& fixedEnemy()
{
    static const std::map<int, long> offsets{
        {0, kDemoArea0Enemy}, {1, kDemoArea1Enemy}, {2, kDemoArea2Enemy}, {200, kDemoArea209Enemy}};
    return offsets;
}

void fail(int area, const std::string& what)
{
    throw ImageError("The demo image cannot be laid out: area " + hex2(area) + " " + what + ".");
}

// Moves the cursor to a fixed offset, which must not lie behind it.
void seek(long& cursor, const std::map<int, long>& fixed, int area, const char* what)
{
    const auto it = fixed.find(area);
    if (it == fixed.end())
        return;
    if (cursor > it->second)
        fail(area, std::string("needs its ") + what + " at " + hexAddress(it->second) + ", but the areas before it end at " +
                       hexAddress(cursor));
    cursor = it->second;
}

// The room up to the next area with a fixed offset, or -1 when it is free.
long roomBefore(const std::map<int, long>& fixed, int nextOwn, long cursor)
{
    const auto it = fixed.find(nextOwn);
    return it == fixed.end() ? -1 : it->second - cursor;
}

void put(std::vector<std::uint8_t>& image, long at, const std::vector<std::uint8_t>& bytes)
{
    std::copy(bytes.begin(), bytes.end(), image.begin() + at);
}

} // namespace

DemoLayout placeDemoAreas(const std::vector<DemoAreaDesign>& designs, std::vector<std::uint8_t>& ines)
{
    DemoLayout layout;
    long levelAt = kLevelRegionStart;
    long enemyAt = kDemoArea0Enemy;
    for (int world = 0; world < 7; ++world) {
        const int first = world * 30;
        const int last = world == 6 ? kAreaCount : first + 30;
        std::vector<int> own;
        for (int a = first; a < last; ++a)
            if (!designs[static_cast<std::size_t>(a)].sharesPrevious)
                own.push_back(a);

        layout.worldLevelStart[static_cast<std::size_t>(world)] = levelAt;
        for (std::size_t i = 0; i < own.size(); ++i) {
            const int a = own[i];
            const DemoAreaDesign& d = designs[static_cast<std::size_t>(a)];
            seek(levelAt, fixedLevel(), a, "level data");
            put(ines, levelAt, d.level);
            layout.level[static_cast<std::size_t>(a)] = levelAt;
            long next = levelAt + static_cast<long>(d.level.size()) + 3 + (a * 5) % 9;
            const long room = i + 1 < own.size() ? roomBefore(fixedLevel(), own[i + 1], levelAt) : -1;
            if (room >= 0 && static_cast<long>(d.level.size()) > room)
                fail(a, "has more level data than the room before the next area");
            if (room >= 0)
                next = levelAt + room;
            levelAt = next;
        }

        // Moved into a disk image, this world's enemy data must start after
        // its level data ends.
        const long levelEnd = levelAt;
        layout.worldLevelEnd[static_cast<std::size_t>(world)] = levelEnd;
        const long needed = levelEnd + diskLevelShift(first) - diskEnemyShift(first);
        if (world == 0 && needed > enemyAt)
            fail(first, "leaves too little room between its level data and its enemy data for a disk image");
        enemyAt = std::max(enemyAt, needed);
        layout.worldEnemyStart[static_cast<std::size_t>(world)] = enemyAt;
        for (std::size_t i = 0; i < own.size(); ++i) {
            const int a = own[i];
            const DemoAreaDesign& d = designs[static_cast<std::size_t>(a)];
            seek(enemyAt, fixedEnemy(), a, "enemy data");
            std::vector<std::uint8_t> block = d.enemyPages;
            const bool lastOfWorld = i + 1 == own.size();
            const long room = lastOfWorld ? -1 : roomBefore(fixedEnemy(), own[i + 1], enemyAt);
            const long size = static_cast<long>(block.size());
            if (d.endsAtNextArea && !lastOfWorld && (room < 0 || room == size + 1)) {
                // The count byte 1 right before the next area's data ends it.
                block.push_back(0x01);
            } else {
                // An empty page, the end mark and spare room.
                block.push_back(0x01);
                block.push_back(0xFF);
                const long spare = room >= 0 ? room - size - 2 : 2 + a % 4;
                if (spare < 0)
                    fail(a, "has more enemy data than the room before the next area");
                block.insert(block.end(), static_cast<std::size_t>(spare), 0xFF);
            }
            put(ines, enemyAt, block);
            layout.enemy[static_cast<std::size_t>(a)] = enemyAt;
            enemyAt += static_cast<long>(block.size());
        }

        layout.worldEnemyEnd[static_cast<std::size_t>(world)] = enemyAt;
        if (world < 6) {
            // The next world's level data, moved, must start after this
            // world's enemy data ends.
            const int nextFirst = first + 30;
            levelAt = std::max(levelAt, enemyAt + diskEnemyShift(first) - diskLevelShift(nextFirst));
        }
    }
    if (levelAt > kEnemyPointerBlockStart)
        fail(lastAreaIndex, "ends its level data at " + hexAddress(levelAt) + ", in the enemy pointer block");
    if (enemyAt > kDemoEnemyDataLimit)
        fail(lastAreaIndex, "ends its enemy data at " + hexAddress(enemyAt) + ", past " + hexAddress(kDemoEnemyDataLimit));

    for (int a = 1; a < kAreaCount; ++a) {
        if (designs[static_cast<std::size_t>(a)].sharesPrevious) {
            layout.level[static_cast<std::size_t>(a)] = layout.level[static_cast<std::size_t>(a - 1)];
            layout.enemy[static_cast<std::size_t>(a)] = layout.enemy[static_cast<std::size_t>(a - 1)];
        }
    }
    return layout;
}

} // namespace quorled
