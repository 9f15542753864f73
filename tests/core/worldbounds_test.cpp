#include "core/forms/worldbounds.h"

#include <gtest/gtest.h>

namespace quorled {
namespace {

WorldBounds fromBytes(std::array<int, 8> bytes)
{
    std::array<int, 9> firstArea{};
    for (std::size_t k = 1; k <= 8; ++k)
        firstArea[k] = 10 * bytes[k - 1];
    return WorldBounds(firstArea);
}

std::array<int, 8> bytesOf(const WorldBounds& bounds)
{
    std::array<int, 8> bytes{};
    for (std::size_t i = 0; i < 8; ++i)
        bytes[i] = bounds.tableBytes()[i];
    return bytes;
}

constexpr std::array<int, 8> kUsual{0, 3, 6, 9, 12, 15, 18, 20};

struct ButtonCase {
    const char* what;
    std::array<int, 8> before;
    int button;
    std::array<int, 8> after; // equal to before when the press does nothing
};

TEST(WorldBoundsTest, ButtonsMoveOneBoundaryWithinTheirLimits)
{
    const ButtonCase cases[] = {
        {"> of world 7 gives it a third slot", kUsual, 13, {0, 3, 6, 9, 12, 15, 18, 21}},
        {"> of world 7 stops at slot 21", {0, 3, 6, 9, 12, 15, 18, 21}, 13, {0, 3, 6, 9, 12, 15, 18, 21}},
        {"< of world 2 leaves world 1 its last slot", {0, 1, 4, 7, 10, 13, 16, 19}, 1, {0, 1, 4, 7, 10, 13, 16, 19}},
        {"< of world 2 takes a slot of world 1", kUsual, 1, {0, 2, 6, 9, 12, 15, 18, 20}},
        {"> of world 3 stops at four slots", {0, 3, 6, 10, 12, 15, 18, 20}, 9, {0, 3, 6, 10, 12, 15, 18, 20}},
        {"> of world 3 leaves world 4 one slot", {0, 3, 6, 9, 10, 15, 18, 20}, 9, {0, 3, 6, 9, 10, 15, 18, 20}},
        {"> of world 3 grows it", kUsual, 9, {0, 3, 6, 10, 12, 15, 18, 20}},
        {"< of world 3 stops at four slots", {0, 3, 5, 9, 12, 15, 18, 20}, 2, {0, 3, 5, 9, 12, 15, 18, 20}},
        {"< of world 1 at slot 0 does nothing", kUsual, 0, kUsual},
        {"< of Start at slot 0 does nothing", kUsual, 14, kUsual},
        {"< of Start moves world 1 down", {1, 3, 6, 9, 12, 15, 18, 20}, 14, kUsual},
        {"< of Start stops at four slots", {1, 5, 6, 9, 12, 15, 18, 20}, 14, {1, 5, 6, 9, 12, 15, 18, 20}},
        {"> of Start shrinks world 1", kUsual, 15, {1, 3, 6, 9, 12, 15, 18, 20}},
        {"> of Start keeps world 1 a slot", {2, 3, 6, 9, 12, 15, 18, 20}, 15, {2, 3, 6, 9, 12, 15, 18, 20}},
        {"< of End shrinks world 7", kUsual, 16, {0, 3, 6, 9, 12, 15, 18, 19}},
        {"< of End keeps world 7 a slot", {0, 3, 6, 9, 12, 15, 18, 19}, 16, {0, 3, 6, 9, 12, 15, 18, 19}},
        {"> of End grows world 7", kUsual, 17, {0, 3, 6, 9, 12, 15, 18, 21}},
        {"> of End stops at slot 21", {0, 3, 6, 9, 12, 15, 18, 21}, 17, {0, 3, 6, 9, 12, 15, 18, 21}},
        {"> of End stops at four slots", {0, 3, 6, 9, 12, 15, 16, 20}, 17, {0, 3, 6, 9, 12, 15, 16, 20}},
        {"no button 18", kUsual, 18, kUsual},
    };
    for (const ButtonCase& c : cases) {
        WorldBounds bounds = fromBytes(c.before);
        EXPECT_EQ(bounds.press(c.button), c.before != c.after) << c.what;
        EXPECT_EQ(bytesOf(bounds), c.after) << c.what;
    }
}

TEST(WorldBoundsTest, NoRunOfPressesEmptiesAWorldOrGrowsOnePastFour)
{
    WorldBounds bounds = fromBytes(kUsual);
    for (int round = 0; round < 400; ++round) {
        bounds.press((round * 7 + round / 5) % 18);
        EXPECT_GE(bounds.bound(1), 0);
        EXPECT_LE(bounds.bound(8), 21);
        for (int w = 1; w <= 7; ++w) {
            EXPECT_GE(bounds.bound(w + 1) - bounds.bound(w), 1);
            EXPECT_LE(bounds.bound(w + 1) - bounds.bound(w), 4);
        }
    }
}

TEST(WorldBoundsTest, SquaresShowEachWorldsSlotsAndTheMarkedEnds)
{
    const WorldBounds bounds = fromBytes(kUsual);
    EXPECT_EQ(bounds.bound(0), -1);
    EXPECT_EQ(bounds.bound(9), 22);
    EXPECT_EQ(bounds.squareColour(0), WorldBounds::kInside);      // world 1, slot 0
    EXPECT_EQ(bounds.squareColour(3), WorldBounds::kOutside);     // world 1, slot 3
    EXPECT_EQ(bounds.squareColour(21 + 3), WorldBounds::kInside); // world 2, slot 3
    EXPECT_EQ(bounds.squareColour(126 + 19), WorldBounds::kInside);
    EXPECT_EQ(bounds.squareColour(126 + 20), WorldBounds::kOutside);
    EXPECT_EQ(bounds.squareColour(147), WorldBounds::kMarked);       // Start at slot 0
    EXPECT_EQ(bounds.squareColour(148), WorldBounds::kOutside);
    EXPECT_EQ(bounds.squareColour(168 + 19), WorldBounds::kMarked);  // End: last slot 19
    EXPECT_EQ(bounds.squareColour(168 + 20), WorldBounds::kOutside);
    EXPECT_EQ(WorldBounds::squareSlot(168 + 20), 20);
    EXPECT_EQ(WorldBounds::squareSlot(45), 3);
    int inside = 0;
    for (int i = 0; i < 147; ++i)
        inside += bounds.squareColour(i) == WorldBounds::kInside ? 1 : 0;
    EXPECT_EQ(inside, 20);
}

TEST(WorldBoundsTest, ADamagedTableMarksOnlySlotsOfTheGridAndKeepsItsBytes)
{
    const WorldBounds bounds = fromBytes({0xFF, 3, 6, 9, 12, 15, 18, 0xFF});
    for (int i = WorldBounds::kFirstStartSquare; i < WorldBounds::kSquares; ++i)
        EXPECT_EQ(bounds.squareColour(i), WorldBounds::kOutside) << i;
    EXPECT_EQ(bounds.squareColour(-1), WorldBounds::kOutside);
    EXPECT_EQ(bounds.squareColour(WorldBounds::kSquares), WorldBounds::kOutside);
    EXPECT_EQ(bytesOf(bounds), (std::array<int, 8>{0xFF, 3, 6, 9, 12, 15, 18, 0xFF}));
}

} // namespace
} // namespace quorled
