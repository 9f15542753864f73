#include "romdata/areadirectory.h"
#include "romdata/imageerror.h"
#include "support/testimage.h"

#include <gtest/gtest.h>

namespace quorled {
namespace {

using test::TestImage;

TEST(AreaNames, FollowTheLevelTable)
{
    const auto& names = areaNames();
    EXPECT_EQ(names[0], "1-1, beginning");
    EXPECT_EQ(names[9], "1-1, unused (4)");
    EXPECT_EQ(names[10], "1-2, main part");
    EXPECT_EQ(names[13], "Jar 1, found in 1-2");
    EXPECT_EQ(names[33], "2-1, unused (1)");
    EXPECT_EQ(names[34], "Jar 3, found in 2-1");
    EXPECT_EQ(names[35], "2-1, unused (2)");
    EXPECT_EQ(names[195], "7-2, Gorlump's room");
    EXPECT_EQ(names[199], "7-2, outside part");
    EXPECT_EQ(names[200], "7-3, unused (1)");
    EXPECT_EQ(names[209], "7-3, unused (10)");
}

TEST(AreaDirectory, InesPointersAddTheirBase)
{
    TestImage rom;
    rom.put(0x10025, {0xB9});
    rom.put(0x100F7, {0x81});
    // Area 13 (level 1, slot 3): high byte in the group's first ten bytes.
    rom.put(0x1257B, {0xA7});
    rom.put(0x12585, {0x01});
    const AreaDirectory directory = buildAreaDirectory(rom.image(), ImageKind::Ines);
    EXPECT_EQ(directory.areaLevelOffset[0], 0x101C9);
    EXPECT_EQ(directory.areaEnemyOffset[13], 0xA701 + 0x8010);
    EXPECT_EQ(directory.areaEnemyOffset[210], 0);
}

TEST(AreaDirectory, WorldsStartAtTenTimesTheirFirstLevel)
{
    TestImage rom;
    rom.setLevelsPerWorld({0, 3, 6, 9, 12, 15, 18, 20});
    const AreaDirectory directory = buildAreaDirectory(rom.image(), ImageKind::Ines);
    EXPECT_EQ(directory.worldFirstArea[1], 0);
    EXPECT_EQ(directory.worldFirstArea[2], 30);
    EXPECT_EQ(directory.worldFirstArea[8], 200);
}

TEST(AreaDirectory, SnesImagesUseTheirOwnTables)
{
    TestImage rom(ImageKind::Snes, 0x200200);
    rom.setLevelPointer(7, 0x88000);
    rom.setEnemyPointer(7, 0x89000);
    rom.put(0x8CBB4 + 1, {4});
    const AreaDirectory directory = buildAreaDirectory(rom.image(), ImageKind::Snes);
    EXPECT_EQ(directory.areaLevelOffset[7], 0x88000);
    EXPECT_EQ(directory.areaEnemyOffset[7], 0x89000);
    EXPECT_EQ(directory.worldFirstArea[2], 40);
    EXPECT_EQ(directory.areaEnemyOffset[210], 0);
}

// A reference image with the published offsets of the areas that are checked.
TestImage publishedReference()
{
    TestImage reference;
    reference.setLevelPointer(0, 0x101C9);
    reference.setEnemyPointer(0, 0x12708);
    reference.setLevelPointer(1, 0x101EA);
    reference.setEnemyPointer(1, 0x12711);
    reference.setLevelPointer(2, 0x1023A);
    reference.setEnemyPointer(2, 0x12726);
    reference.setLevelPointer(5, 0x10335);
    reference.setLevelPointer(209, 0x1242F);
    reference.setEnemyPointer(209, 0x1302F);
    return reference;
}

TEST(AreaDirectory, DiskImagesShiftTheReferenceOffsetsPerWorld)
{
    TestImage reference = publishedReference();
    reference.setLevelPointer(30, 0x10500);
    reference.setEnemyPointer(30, 0x12800);
    const DiskImageOffsets offsets = diskOffsetsFromReference(reference.image());

    TestImage disk(ImageKind::Fds, 131016);
    const AreaDirectory directory = buildAreaDirectory(disk.image(), ImageKind::Fds, &offsets);
    EXPECT_EQ(directory.areaLevelOffset[0], 0x1117F);
    EXPECT_EQ(directory.areaEnemyOffset[0], 0x11673);
    EXPECT_EQ(directory.areaLevelOffset[30], 0x10500 + 0x1D1C);
    EXPECT_EQ(directory.areaEnemyOffset[30], 0x12800 + 0x33);
    EXPECT_EQ(directory.areaLevelOffset[209], 0x1242F + 0x5EE8);
    EXPECT_EQ(directory.areaEnemyOffset[209], 0x1302F + 0x5463);
    EXPECT_EQ(directory.areaEnemyOffset[210], 0);
    EXPECT_EQ(directory.worldFirstArea[2], 30);
}

TEST(AreaDirectory, DiskImagesNeedAReference)
{
    TestImage disk(ImageKind::Fds, 131016);
    EXPECT_THROW(buildAreaDirectory(disk.image(), ImageKind::Fds, nullptr), ImageError);
}

TEST(AreaDirectory, ModifiedReferencesAreRefused)
{
    for (int area : {0, 1, 2, 5, 209}) {
        TestImage reference = publishedReference();
        reference.setLevelPointer(area, 0x10400);
        try {
            diskOffsetsFromReference(reference.image());
            ADD_FAILURE() << "area " << area << " was not checked";
        } catch (const ImageError& error) {
            EXPECT_NE(std::string(error.what()).find("not an unmodified image of the game"), std::string::npos);
        }
    }
    TestImage movedEnemies = publishedReference();
    movedEnemies.setEnemyPointer(209, 0x13030);
    EXPECT_THROW(diskOffsetsFromReference(movedEnemies.image()), ImageError);
}

TEST(AreaDirectory, ShortReferencesAreRefused)
{
    const RomImage tiny = RomImage::fromBytes(std::vector<std::uint8_t>(0x10000, 0xFF), "tiny.nes");
    EXPECT_THROW(diskOffsetsFromReference(tiny), ImageError);
}

} // namespace
} // namespace quorled
