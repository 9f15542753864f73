#include "core/forms/paletteeditor.h"

#include <algorithm>
#include <cmath>

namespace quorled {

namespace {

// The rings around the picked cell.
constexpr std::uint32_t kInnerRing = 0xFFF000;
constexpr std::uint32_t kOuterRing = 0xFF7800;

} // namespace

PaletteEditor::PaletteEditor(const PaletteTables& tables, int world, int levelPalette, int enemyPalette)
    : tables_(tables)
{
    setWorld(world);
    setLevelPalette(levelPalette);
    setEnemyPalette(enemyPalette);
}

int PaletteEditor::columns(Picture picture) { return picture == Picture::Master ? 16 : 4; }

int PaletteEditor::rows(Picture picture) { return picture == Picture::Enemy ? 3 : 4; }

std::optional<int> PaletteEditor::cellAt(Picture picture, double x, double y)
{
    if (!std::isfinite(x) || !std::isfinite(y))
        return std::nullopt;
    // Cut to whole pixels: 63.5 is still pixel 63 of the last cell.
    const double px = std::floor(x);
    const double py = std::floor(y);
    if (px < 0 || py < 0 || px >= kCell * columns(picture) || py >= kCell * rows(picture))
        return std::nullopt;
    const int column = static_cast<int>(px) / kCell;
    const int row = static_cast<int>(py) / kCell;
    return column + columns(picture) * row;
}

bool PaletteEditor::press(Picture picture, double x, double y)
{
    const std::optional<int> cell = cellAt(picture, x, y);
    if (!cell)
        return false;
    const auto slot = static_cast<std::size_t>(*cell);
    switch (picture) {
    case Picture::Master:
        picked_ = *cell;
        break;
    case Picture::Level:
        tables_.levelPalettes[static_cast<std::size_t>(8 * world_ + levelPalette_)][slot] = picked_;
        break;
    case Picture::Enemy:
        tables_.enemyPalettes[static_cast<std::size_t>(4 * world_ + enemyPalette_)][slot] = picked_;
        break;
    }
    return true;
}

bool PaletteEditor::drag(Picture picture, int buttons, double x, double y)
{
    if (picture != Picture::Master || buttons != 1)
        return false;
    return press(picture, x, y);
}

void PaletteEditor::setWorld(int world) { world_ = std::clamp(world, 0, kLastWorld); }

void PaletteEditor::setLevelPalette(int palette) { levelPalette_ = std::clamp(palette, 0, 7); }

void PaletteEditor::setEnemyPalette(int palette) { enemyPalette_ = std::clamp(palette, 0, 3); }

std::array<int, 16> PaletteEditor::levelColours() const
{
    return tables_.levelPalettes[static_cast<std::size_t>(8 * world_ + levelPalette_)];
}

std::array<int, 12> PaletteEditor::enemyColours() const
{
    const auto& row = tables_.enemyPalettes[static_cast<std::size_t>(4 * world_ + enemyPalette_)];
    std::array<int, 12> colours{};
    std::copy_n(row.begin(), colours.size(), colours.begin());
    return colours;
}

std::array<OutlineBox, 2> PaletteEditor::pickedOutline() const
{
    const int x = kCell * (picked_ % 16);
    const int y = kCell * (picked_ / 16);
    return {OutlineBox{x - 1, y - 1, x + 16, y + 16, kInnerRing}, OutlineBox{x - 2, y - 2, x + 17, y + 17, kOuterRing}};
}

std::string PaletteEditor::sharedBytesNote()
{
    return "Shared bytes: level palette 7 is enemy palette 0 followed by slots 0-3 of enemy palette 1; "
           "enemy palette 3 is slots 0-11 of the next world's level palette 0. On OK the enemy palettes and "
           "the next world win, and enemy palette 3 of world 7 lies past the table, so it is not kept.";
}

} // namespace quorled
