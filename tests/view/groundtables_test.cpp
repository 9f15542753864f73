#include "view/groundtables.h"

#include <gtest/gtest.h>

#include <string>

namespace quorled {
namespace {

TEST(GroundPatterns, TextsAsTabled)
{
    EXPECT_EQ(std::string(groundPatternsH[0]), "-------------xX");
    EXPECT_EQ(std::string(groundPatternsH[9]), "XXXXXXXXXXXXX..");
    EXPECT_EQ(std::string(groundPatternsH[31]), "---------------");
    EXPECT_EQ(std::string(groundPatternsV[8]), "..XXXBBBBBBXXX..");
    EXPECT_EQ(std::string(groundPatternsV[29]), "XX--------------");
}

TEST(GroundCells, PatternsDecodeToCellKinds)
{
    // Setting 3: "-------xX...XXX"
    EXPECT_EQ(groundCellH(3, 0), 0);
    EXPECT_EQ(groundCellH(3, 7), 1);
    EXPECT_EQ(groundCellH(3, 8), 2);
    EXPECT_EQ(groundCellH(3, 9), 3);
    EXPECT_EQ(groundCellH(3, 14), 2);
    // Setting 8: "..XXXBBBBBBXXX.."
    EXPECT_EQ(groundCellV(8, 0), 3);
    EXPECT_EQ(groundCellV(8, 2), 2);
    EXPECT_EQ(groundCellV(8, 5), 1);
    EXPECT_EQ(groundCellV(8, 15), 3);
    EXPECT_EQ(groundCellV(1, 1), 0);
    EXPECT_EQ(groundCellV(1, 15), 2);
}

TEST(GroundCells, OutOfRangeIsEmpty)
{
    EXPECT_EQ(groundCellH(32, 14), 0);
    EXPECT_EQ(groundCellH(-1, 14), 0);
    EXPECT_EQ(groundCellH(9, 15), 0);
    EXPECT_EQ(groundCellH(9, -1), 0);
    EXPECT_EQ(groundCellV(0, 16), 0);
    EXPECT_EQ(groundCellV(0, -1), 0);
}

TEST(GroundTiles, ByWorldTypeAndKind)
{
    EXPECT_EQ(groundTileH(0, 0, 1), 43);
    EXPECT_EQ(groundTileH(0, 0, 2), 59);
    EXPECT_EQ(groundTileH(0, 0, 3), 60);
    EXPECT_EQ(groundTileH(3, 5, 3), 46);
    EXPECT_EQ(groundTileH(3, 6, 1), 20);
    EXPECT_EQ(groundTileH(5, 4, 2), 76);
    EXPECT_EQ(groundTileV(4, 2, 1), 40);
    EXPECT_EQ(groundTileV(4, 2, 2), 15);
    EXPECT_EQ(groundTileV(3, 0, 1), 72);
    EXPECT_EQ(groundTileV(3, 0, 3), 22);
    EXPECT_EQ(groundTileV(6, 3, 2), 77);
}

TEST(GroundTiles, WorldSevenUsesWorldSix)
{
    for (int type = 0; type < 8; ++type)
        for (int kind = 1; kind <= 3; ++kind) {
            EXPECT_EQ(groundTileH(7, type, kind), groundTileH(6, type, kind));
            EXPECT_EQ(groundTileV(7, type, kind), groundTileV(6, type, kind));
        }
    EXPECT_EQ(groundTileH(7, 0, 1), 77);
    EXPECT_EQ(groundTileV(7, 1, 1), 23);
    EXPECT_EQ(groundTileV(7, 1, 3), 60);
}

TEST(GroundTiles, TypesWithoutTilesShowTheCheckerboard)
{
    // A ground-type object can select types 8..15.
    EXPECT_EQ(groundTileH(0, 8, 1), 238);
    EXPECT_EQ(groundTileV(2, 15, 2), 238);
    EXPECT_EQ(groundTileH(0, 0, 0), 238);
    EXPECT_EQ(groundTileH(8, 0, 1), 238);
}

} // namespace
} // namespace quorled
