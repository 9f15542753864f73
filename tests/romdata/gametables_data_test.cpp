#include "romdata/bytetables.h"
#include "romdata/charactertable.h"

#include <gtest/gtest.h>

#include <set>

namespace quorled {
namespace {

TEST(ByteTables, RowsCaptionsAndOffsetsAreTheDocumentedOnes)
{
    struct Expect {
        ByteTableId id;
        std::size_t rows;
        std::string_view caption;
        std::string_view cliName;
        int firstRow;
        long firstOffset;
        std::string_view lastCaption;
        long lastOffset;
    };
    const Expect cases[] = {
        {ByteTableId::ChrEnemy, 17, "Edit enemy properties", "enemies", 0, 0x5013, "Small Blazelings :", 0x6CC3},
        {ByteTableId::ChrEnemy2, 10, "Edit enemy properties", "enemies2", 0, 0x4F7B, "Enemy speed (right) :", 0x4602},
        {ByteTableId::ChrEnemy3, 20, "Edit enemy properties", "enemies3", 0, 0x4FA8,
         "Jump height coming out of jars :", 0x4D53},
        {ByteTableId::ChrPwrUp, 15, "Edit power-up properties", "powerups", 0, 0x39D0, "Fusebug herb :", 0x1082},
        {ByteTableId::TitleC, 1, "Title card display time", "title-card", 0, 0x1E276, "Title card display time :",
         0x1E276},
        {ByteTableId::Nlives, 1, "Number of lives at start", "lives", 0, 0x1E425, "Number of lives at start :",
         0x1E425},
    };
    for (const Expect& e : cases) {
        const ByteTable& table = byteTable(e.id);
        SCOPED_TRACE(std::string(table.form));
        EXPECT_EQ(table.id, e.id);
        ASSERT_EQ(table.rows.size(), e.rows);
        EXPECT_EQ(table.caption, e.caption);
        EXPECT_EQ(table.cliName, e.cliName);
        EXPECT_EQ(table.rows.front().offset, e.firstOffset);
        EXPECT_EQ(table.rows.back().caption, e.lastCaption);
        EXPECT_EQ(table.rows.back().offset, e.lastOffset);
        std::set<long> offsets;
        for (const ByteTableRow& row : table.rows)
            offsets.insert(row.offset);
        EXPECT_EQ(offsets.size(), e.rows) << "every row its own byte";
    }
    // The herb contents are ten consecutive bytes.
    const ByteTable& powerUps = byteTable(ByteTableId::ChrPwrUp);
    for (std::size_t i = 5; i < 15; ++i)
        EXPECT_EQ(powerUps.rows[i].offset, 0x1079 + static_cast<long>(i) - 5);
    EXPECT_EQ(powerUps.rows[3].display, ByteDisplay::Decimal3);
    EXPECT_EQ(powerUps.note.beforeRow, 5);
    EXPECT_EQ(powerUps.note.text, "Items found in herbs :");
    EXPECT_EQ(byteTable(ByteTableId::ChrEnemy2).note.beforeRow, 8);
    EXPECT_EQ(byteTable(ByteTableId::ChrEnemy2).rows[5].display, ByteDisplay::PlusOne);
    EXPECT_EQ(byteTable(ByteTableId::ChrEnemy2).rows[6].display, ByteDisplay::Decimal);
    EXPECT_EQ(byteTable(ByteTableId::ChrEnemy3).rows[4].display, ByteDisplay::DecimalSound);
    EXPECT_EQ(byteTable(ByteTableId::ChrEnemy3).rows[10].display, ByteDisplay::DecimalSound);
    EXPECT_EQ(byteTable(ByteTableId::ChrEnemy3).rows[11].display, ByteDisplay::Decimal);
    EXPECT_EQ(lastOffset(byteTable(ByteTableId::ChrEnemy)), 0x7255);
    EXPECT_TRUE(byteTableAllowedForKind(ImageKind::Ines));
    EXPECT_FALSE(byteTableAllowedForKind(ImageKind::Snes));
    EXPECT_FALSE(byteTableAllowedForKind(ImageKind::Fds));
}

TEST(ByteTables, SoundNamesGoByTheHighestSetBit)
{
    const std::pair<int, std::string_view> cases[] = {
        {0x00, "No sound"},  {0x01, "Spitting"},       {0x02, "Door appears"}, {0x05, "Take cherry or heart"},
        {0x08, "Throw object"}, {0x1F, "Extra life"}, {0x20, "Kill enemy"},   {0x7F, "Stopwatch"},
        {0x80, "Beakgate opens"}, {0xFF, "Beakgate opens"},
    };
    for (const auto& [value, name] : cases)
        EXPECT_EQ(soundName(value), name) << value;
}

TEST(ByteTables, SignedAndExtraLifeTexts)
{
    EXPECT_EQ(signedByte(127), 127);
    EXPECT_EQ(signedByte(128), -128);
    EXPECT_EQ(signedByte(0xF8), -8);
    EXPECT_EQ(signedByte(255), -1);
    const std::pair<int, std::string_view> lives[] = {
        {0, "P5"}, {1, "00"}, {3, "02"}, {10, "09"}, {100, "99"}, {101, "A0"}, {110, "A9"}, {255, "P4"},
    };
    for (const auto& [value, text] : lives)
        EXPECT_EQ(extraLifeText(value), "(Extra life : " + std::string(text) + ")") << value;
}

TEST(CharacterTable, RecordBasesOffsetsAndButtons)
{
    EXPECT_EQ(characters::recordBase(ImageKind::Ines), 0x143DD);
    EXPECT_EQ(characters::recordBase(ImageKind::Snes), 0x8BC40);
    EXPECT_EQ(characters::recordBase(ImageKind::Fds), 0x10126);
    EXPECT_EQ(characters::lastOffset(ImageKind::Ines), 0x143DD + 91);

    // "Vesk" is record 2 and "Dribb" record 1.
    const auto& buttons = characters::buttons();
    EXPECT_EQ(buttons[0].caption, "Pelko");
    EXPECT_EQ(buttons[1].caption, "Vesk");
    EXPECT_EQ(buttons[1].record, 2);
    EXPECT_EQ(buttons[2].caption, "Dribb");
    EXPECT_EQ(buttons[2].record, 1);
    EXPECT_EQ(buttons[3].caption, "Princess");
    EXPECT_EQ(characters::propertyFileOffset(ImageKind::Ines, 1, 0), 0x143DD + 46);

    // The 22 properties cover every record byte but +16, once each.
    std::set<int> bytes;
    for (int n = 0; n < characters::kProperties; ++n)
        bytes.insert(characters::propertyOffset(n));
    EXPECT_EQ(bytes.size(), 22u);
    EXPECT_EQ(bytes.count(16), 0u);
    EXPECT_EQ(*bytes.rbegin(), 22);

    // Bars and their bytes, as the dialog's layout pairs them.
    const std::pair<int, int> barBytes[] = {{0, 13}, {1, 6},  {6, 11},  {7, 17},  {8, 18},  {9, 20},
                                            {10, 21}, {11, 14}, {12, 15}, {13, 12}, {14, 19}, {15, 22}};
    for (const auto& [bar, byte] : barBytes) {
        EXPECT_EQ(characters::propertyOffset(characters::barProperty(bar)), byte) << bar;
        EXPECT_EQ(characters::propertyBar(characters::barProperty(bar)), bar);
    }
    for (int n = 0; n < 6; ++n)
        EXPECT_EQ(characters::propertyBar(n), -1);
    EXPECT_FALSE(characters::barShowsSigned(0));
    EXPECT_TRUE(characters::barShowsSigned(1));
    EXPECT_EQ(characters::propertyCaption(characters::barProperty(13)).row, "In quicksand");
}

TEST(CharacterTable, PickupTimesAreClampedBeforeTheyAreRounded)
{
    const std::pair<double, int> cases[] = {
        {300, 255}, {-5, 0}, {255.5, 255}, {254.5, 254}, {16.5, 16}, {17.5, 18}, {-0.4, 0}, {0, 0}, {60, 60},
    };
    for (const auto& [typed, stored] : cases)
        EXPECT_EQ(characters::pickupValue(typed), stored) << typed;
}

} // namespace
} // namespace quorled
