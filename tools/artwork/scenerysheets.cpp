#include "scenerysheets.h"

#include "theme.h"

#include "romdata/builtinpalettes.h"
#include "view/mastercolours.h"

namespace quorled::artwork {

SlotSheet drawScenerySheet(int sheet)
{
    SlotSheet s;
    const Theme theme = Theme::forSheet(sheet);
    // Later groups may redraw a tile that the ground of this world uses
    // differently (the whale's tiles double as ground in some worlds).
    drawStructures(s, theme);
    drawEntrances(s, theme);
    drawBlocks(s, theme);
    drawPlants(s, theme);
    drawGround(s, theme);
    return s;
}

std::array<std::uint32_t, 16> worldPaletteRgb(int world, int palette)
{
    PaletteTables tables;
    loadDefaultTables(tables);
    std::array<std::uint32_t, 16> rgb{};
    for (std::size_t slot = 0; slot < 16; ++slot) {
        const int colour = tables.levelPalettes[static_cast<std::size_t>(8 * world + palette)][slot];
        rgb[slot] = kMasterColoursRgb[static_cast<std::size_t>(colour & 63)];
    }
    return rgb;
}

QImage drawMasterPalette()
{
    QImage image(32, 8, QImage::Format_RGB32);
    image.fill(0xFF000000u);
    for (int n = 0; n < 64; ++n)
        image.setPixel(n % 16, n / 16, 0xFF000000u | kMasterColoursRgb[static_cast<std::size_t>(n)]);
    return image;
}

} // namespace quorled::artwork
