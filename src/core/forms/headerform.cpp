#include "core/forms/headerform.h"

#include <algorithm>

namespace quorled {

namespace {

constexpr std::array<int, 12> kCoveredBits{1, 3, 4, 5, 7, 8, 17, 18, 19, 20, 31, 32};

// Rows from top to bottom; within a row the groups from left to right.
const std::vector<HeaderBoxGroup> kBoxGroups{
    {0, 1, 1, "(off: wall for whole level) (\?\?)"},
    {1, 5, 1, "???"},
    {2, 8, 3, "???"},
    {2, 11, 5, "Ground (bottom and top)"},
    {3, 24, 2, "???"},
    {3, 20, 4, "Object type"},
    {4, 29, 1, "???"},
    {4, 26, 3, "Type of ground"},
};

} // namespace

HeaderForm::HeaderForm(const HeaderBits& header) : dialogBits_(header)
{
    fields_.scrolling = header.bit(1);
    fields_.levelColours = header.field(3, 3);
    fields_.enemyColours = header.field(7, 2);
    fields_.music = header.field(31, 2);
    fields_.length = header.field(17, 4);
}

bool HeaderForm::covered(int k)
{
    return std::find(kCoveredBits.begin(), kCoveredBits.end(), k) != kCoveredBits.end();
}

const std::vector<HeaderBoxGroup>& HeaderForm::boxGroups() { return kBoxGroups; }

std::vector<std::string> HeaderForm::scrollingEntries() { return {"Vertical", "Horizontal"}; }

std::vector<std::string> HeaderForm::paletteEntries(int count)
{
    std::vector<std::string> entries;
    for (int p = 0; p < count; ++p)
        entries.push_back("Palette " + std::to_string(p));
    return entries;
}

std::vector<std::string> HeaderForm::musicEntries() { return {"Normal", "Underground", "Boss", "Gorlump"}; }

std::string HeaderForm::pageCaption(int length)
{
    return std::to_string(length + 1) + " page" + (length > 0 ? "s" : "");
}

void HeaderForm::pressBox(int box)
{
    if (box >= 0 && box < 32 && !covered(box + 1))
        pressedBox_ = box;
}

void HeaderForm::releaseBox() { pressedBox_ = -1; }

void HeaderForm::clickBox(int box)
{
    if (box < 0 || box >= 32 || covered(box + 1))
        return;
    dialogBits_.setBit(box + 1, 1 - dialogBits_.bit(box + 1));
}

const std::array<std::uint32_t, 3>& HeaderForm::bitBoxColours()
{
    static constexpr std::array<std::uint32_t, 3> kColours{0xFFE0C0, 0x804000, 0xC09060};
    return kColours;
}

std::uint32_t HeaderForm::boxColour(int box, const std::array<std::uint32_t, 3>& colours) const
{
    if (box == pressedBox_)
        return colours[2];
    return colours[static_cast<std::size_t>(dialogBits_.bit(box + 1))];
}

HeaderBits HeaderForm::confirmed(const HeaderBits& header) const
{
    HeaderBits result = header;
    for (int k = 1; k <= 32; ++k)
        if (!covered(k))
            result.setBit(k, dialogBits_.bit(k));
    result.setField(1, 1, std::clamp(fields_.scrolling, 0, 1));
    result.setField(3, 3, std::clamp(fields_.levelColours, 0, 7));
    result.setField(7, 2, std::clamp(fields_.enemyColours, 0, 3));
    result.setField(31, 2, std::clamp(fields_.music, 0, 3));
    result.setField(17, 4, std::clamp(fields_.length, 0, 15));
    return result;
}

std::array<std::uint32_t, 16> HeaderForm::previewColours(const PaletteTables& palettes,
                                                         const std::array<std::uint32_t, 64>& screenColours,
                                                         int world, int palette, bool enemy)
{
    std::array<std::uint32_t, 16> colours{};
    const int row = enemy ? 4 * world + palette : 8 * world + palette;
    const auto& table = enemy ? palettes.enemyPalettes[static_cast<std::size_t>(row)]
                              : palettes.levelPalettes[static_cast<std::size_t>(row)];
    for (std::size_t slot = 0; slot < 16; ++slot)
        colours[slot] = screenColours[static_cast<std::size_t>(table[slot] & 63)];
    return colours;
}

} // namespace quorled
