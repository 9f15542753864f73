#include "bytetables.h"

#include <algorithm>

namespace quorled {

namespace {

using D = ByteDisplay;

constexpr std::array<ByteTableRow, 17> kEnemyWeapons{{
    {"Eggspout's weapon 1 :", 0x5013, D::HexTypeName},
    {"Eggspout's weapon 2 :", 0x500F, D::HexTypeName},
    {"Bombrat's weapon :", 0x65EA, D::HexTypeName},
    {"Triserpent's weapon :", 0x68C2, D::HexTypeName},
    {"Blazeling's weapon :", 0x6D03, D::HexTypeName},
    {"Pinchcrab's weapon :", 0x61C6, D::HexTypeName},
    {"Gorlump's weapon :", 0x7255, D::HexTypeName},
    {"Puffnose's weapon :", 0x560E, D::HexTypeName},
    {"Flamebud's weapon :", 0x4C84, D::HexTypeName},
    {"Cannoncart's weapon :", 0x6E49, D::HexTypeName},
    {"Skycarrier's weapon :", 0x526E, D::HexTypeName},
    {"Skycarrier attack :", 0x4B87, D::HexTypeName},
    {"Divewing attack :", 0x4BBE, D::HexTypeName},
    {"Fusebug jars :", 0x4D5E, D::HexTypeName},
    {"Hoodling jars :", 0x52ED, D::HexTypeName},
    {"Rugrider's carpet :", 0x6460, D::HexTypeName},
    {"Small Blazelings :", 0x6CC3, D::HexTypeName},
}};

constexpr std::array<ByteTableRow, 10> kBossHealth{{
    {"Hits for Eggspout :", 0x4F7B, D::PlusOne},
    {"Hits for 1st Bombrat :", 0x657F, D::PlusOne},
    {"Hits for 2nd Bombrat :", 0x6586, D::PlusOne},
    {"Hits for Triserpent :", 0x673D, D::PlusOne},
    {"Hits for Blazeling :", 0x6C7E, D::PlusOne},
    {"Hits for Pinchcrab :", 0x611E, D::PlusOne},
    {"Hits for Gorlump :", 0x71E1, D::Decimal},
    {"Hits for Beakgate :", 0x6FF7, D::Decimal},
    {"Enemy speed (left) :", 0x4603, D::Signed},
    {"Enemy speed (right) :", 0x4602, D::Signed},
}};

constexpr std::array<ByteTableRow, 20> kVariousEnemy{{
    {"Eggspout's jump height :", 0x4FA8, D::Signed},
    {"Eggspout's spitting time :", 0x4FC3, D::Decimal},
    {"Eggspout's speed (right) :", 0x4FD6, D::Signed},
    {"Eggspout's speed (left) :", 0x4FDC, D::Signed},
    {"Eggspout's spitting sound :", 0x4FEA, D::DecimalSound},
    {"Bombrat's jump height :", 0x65B0, D::Signed},
    {"Bombrat's bomb holding time :", 0x65BC, D::Decimal},
    {"Bombrat's bomb throw height :", 0x65F4, D::Signed},
    {"Time before bomb explosion :", 0x65FB, D::Decimal},
    {"Bombrat's bomb throw speed :", 0x65FF, D::Signed},
    {"Triserpent's spitting sound :", 0x68BB, D::DecimalSound},
    {"Pinchcrab's rock throwing time :", 0x6171, D::Decimal},
    {"Pinchcrab's rock speed :", 0x61D5, D::Signed},
    {"Gorlump's speed (right) :", 0x721D, D::Signed},
    {"Gorlump's speed (left) :", 0x7223, D::Signed},
    {"Flamebud's spitting time :", 0x4C4A, D::Decimal},
    {"Grey flamebud's spitting direction :", 0x4C74, D::Signed},
    {"Puffnose's jump height :", 0x556C, D::Signed},
    {"Puffnose's spitting time :", 0x55A3, D::Decimal},
    {"Jump height coming out of jars :", 0x4D53, D::Signed},
}};

constexpr std::array<ByteTableRow, 15> kPowerUps{{
    {"Star power-up :", 0x39D0, D::HexTypeName},
    {"Heart power-up :", 0x456A, D::HexTypeName},
    {"Object for stopwatch :", 0x10E6, D::HexTypeName},
    {"Number of objects :", 0x10EE, D::Decimal3},
    {"Stopwatch power-up :", 0x10F2, D::HexTypeName},
    {"Coin herb :", 0x1079, D::HexTypeName},
    {"Small vegetable herb :", 0x107A, D::HexTypeName},
    {"Fresh vegetable herb :", 0x107B, D::HexTypeName},
    {"Rocket herb :", 0x107C, D::HexTypeName},
    {"Turtle shell herb :", 0x107D, D::HexTypeName},
    {"Bomb herb :", 0x107E, D::HexTypeName},
    {"Potion herb :", 0x107F, D::HexTypeName},
    {"Extra-life herb :", 0x1080, D::HexTypeName},
    {"Quake block herb :", 0x1081, D::HexTypeName},
    {"Fusebug herb :", 0x1082, D::HexTypeName},
}};

constexpr std::array<ByteTableRow, 1> kTitleCard{{{"Title card display time :", 0x1E276, D::Decimal}}};
constexpr std::array<ByteTableRow, 1> kLives{{{"Number of lives at start :", 0x1E425, D::DecimalLives}}};

constexpr ByteTableNote kNoNote{-1, {}};

constexpr std::array<ByteTable, 6> kTables{{
    {ByteTableId::ChrEnemy, "ChrEnemy", "Edit enemy properties", "enemies", kEnemyWeapons, kNoNote, 16, "Enemy weapons"},
    {ByteTableId::ChrEnemy2, "ChrEnemy2", "Edit enemy properties", "enemies2", kBossHealth,
     {8, "(Warning : changing this messes up with the bomb explosion graphics)"}, 16,
     "Boss health and enemy speed"},
    {ByteTableId::ChrEnemy3, "ChrEnemy3", "Edit enemy properties", "enemies3", kVariousEnemy, kNoNote, 16, "Various enemy properties"},
    {ByteTableId::ChrPwrUp, "ChrPwrUp", "Edit power-up properties", "powerups", kPowerUps,
     {5, "Items found in herbs :"}, 16},
    {ByteTableId::TitleC, "TitleC", "Title card display time", "title-card", kTitleCard, kNoNote, 16},
    {ByteTableId::Nlives, "Nlives", "Number of lives at start", "lives", kLives, kNoNote, 16},
}};

constexpr std::array<ByteTableId, 6> kIds{ByteTableId::ChrEnemy, ByteTableId::ChrEnemy2, ByteTableId::ChrEnemy3,
                                          ByteTableId::ChrPwrUp, ByteTableId::TitleC, ByteTableId::Nlives};

// Names of the sounds by the highest set bit of the sound byte.
constexpr std::array<std::string_view, 8> kSoundBits{
    "Spitting",     "Door appears", "Take cherry or heart", "Throw object",
    "Extra life",   "Kill enemy",   "Stopwatch",            "Beakgate opens",
};

} // namespace

const ByteTable& byteTable(ByteTableId id) { return kTables[static_cast<std::size_t>(id)]; }

const std::array<ByteTableId, 6>& byteTableIds() { return kIds; }

long lastOffset(const ByteTable& table)
{
    long last = 0;
    for (const ByteTableRow& row : table.rows)
        last = std::max(last, row.offset);
    return last;
}

std::string_view soundName(int value)
{
    value &= 0xFF;
    if (value == 0)
        return "No sound";
    int bit = 7;
    while (((value >> bit) & 1) == 0)
        --bit;
    return kSoundBits[static_cast<std::size_t>(bit)];
}

std::string extraLifeText(int value)
{
    std::string t;
    if (value <= 0) {
        t = "P5";
    } else {
        const int e = value - 1;
        const int tens = e / 10;
        t += tens < 10 ? static_cast<char>('0' + tens) : static_cast<char>(55 + tens);
        t += static_cast<char>('0' + e % 10);
    }
    return "(Extra life : " + t + ")";
}

} // namespace quorled
