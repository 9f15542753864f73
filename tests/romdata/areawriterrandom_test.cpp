#include "romdata/enemyencoder.h"
#include "support/savedarea.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <tuple>

namespace quorled {
namespace {

using test::kHorizontal;
using test::kVertical;
using test::SavedArea;

using ObjectKey = std::tuple<int, int, int, int>; // layer, type, x, y

std::vector<ObjectKey> normalObjects(const AreaModel& model)
{
    std::vector<ObjectKey> keys;
    for (const LevelObject& o : model.objects)
        if (!o.special)
            keys.emplace_back(o.layer, o.type, o.x, o.y);
    std::sort(keys.begin(), keys.end());
    return keys;
}

std::vector<std::tuple<int, int, int>> enemyList(const AreaModel& model)
{
    std::vector<std::tuple<int, int, int>> keys;
    for (const Enemy& e : model.enemies)
        keys.emplace_back(e.type, e.x, e.y);
    std::sort(keys.begin(), keys.end());
    return keys;
}

// Random edits in drawing coordinates come back from a save as they were,
// and a second save of the reloaded area changes nothing.
TEST(SaveRandomModels, SaveReloadAndSaveAgain)
{
    std::mt19937 random(20261208);
    const auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    for (int round = 0; round < 150; ++round) {
        const bool vertical = round % 3 == 0;
        SavedArea area({vertical ? kVertical : kHorizontal, 0, 0, 0, 0x00, 0x10, 0xFF}, {0x01, 0xFF},
                       test::kEnemy + 0x600);
        AreaModel& m = area.model;
        m.objects.clear();
        const int layers = pick(1, 2);
        for (int layer = 0; layer < layers; ++layer) {
            for (int i = pick(0, 25); i > 0; --i) {
                LevelObject o;
                o.layer = layer;
                o.x = vertical ? pick(0, 15) : pick(0, 80);
                o.y = vertical ? pick(0, 80) : pick(0, 14);
                if (pick(0, 4) == 0) {
                    static constexpr int kinds[] = {0, 1, 6, 7, 9, 14};
                    o.special = true;
                    o.type = kSpecialObjectType;
                    o.x = (o.x & ~15) | kinds[pick(0, 5)];
                    o.param = {pick(0, 255), pick(0, 255)};
                } else {
                    o.type = pick(0, 255);
                }
                m.objects.push_back(o);
                if (!o.special && pick(0, 5) == 0) {
                    // A door's pointer: on the door's row, right after it.
                    LevelObject pointer = o;
                    pointer.special = true;
                    pointer.type = kSpecialObjectType;
                    pointer.x = (o.x & ~15) | 5;
                    pointer.param = {pick(0, 255), pick(0, 255)};
                    m.objects.push_back(pointer);
                }
            }
            if (layer + 1 < layers) {
                LevelObject next;
                next.special = true;
                next.type = kSpecialObjectType;
                next.x = 4;
                next.layer = layer;
                m.objects.push_back(next);
            }
        }
        m.enemies.clear();
        for (int i = pick(0, 30); i > 0; --i)
            m.enemies.push_back(vertical ? Enemy{pick(0, 255), pick(0, 15), pick(0, 90)}
                                         : Enemy{pick(0, 255), pick(0, 90), pick(0, 15)});
        const auto objects = normalObjects(m);
        const auto enemies = enemyList(m);

        const SaveResult first = area.save();
        ASSERT_TRUE(first.saved) << round << ": " << (first.refusal ? first.refusal->text : "");
        EXPECT_EQ(normalObjects(area.model), objects) << round;
        EXPECT_EQ(enemyList(area.model), enemies) << round;
        const SaveResult second = area.save();
        ASSERT_TRUE(second.saved) << round;
        EXPECT_TRUE(second.changedOffsets.empty()) << round << ": " << second.changedOffsets.size();
    }
}

} // namespace
} // namespace quorled
