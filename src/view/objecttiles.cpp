#include "objecttiles.h"

namespace quorled {

namespace {
constexpr unsigned A = kAllSets;
constexpr int W = kAtWidth;
}

// Scenery tiles of each object cell; (1, 1) is the object's own cell. The
// platforms write their right edge last, at the object's width, so a
// two-cell platform shows its two edges only.
constexpr std::array<TileFill, kObjectTileFills> objectTileFills{{
    {0x00, 0x00, 1, 1, 1, 1, 24, A},
    {0x01, 0x01, 1, 1, 1, 1, 21, A},
    {0x02, 0x02, 1, 1, 1, 1, 22, A},
    {0x03, 0x03, 1, 1, 1, 1, 51, A},
    {0x04, 0x04, 1, 1, 1, 1, 29, A},
    {0x05, 0x05, 1, 1, 1, 1, 25, A},
    // jars
    {0x06, 0x08, 1, 1, 1, 1, 11, A},
    {0x06, 0x08, 1, 1, 2, 2, 13, A},
    {0x06, 0x08, 1, 1, 3, 3, 27, A},
    // doors and dark entrance
    {0x09, 0x09, 1, 1, 1, 1, 12, A},
    {0x09, 0x09, 1, 1, 2, 2, 28, A},
    {0x0A, 0x0A, 1, 1, 1, 1, 0, A},
    {0x0A, 0x0A, 1, 1, 2, 2, 16, A},
    {0x0B, 0x0B, 1, 1, 1, 2, 60, A},
    // vines, red pillar
    {0x0C, 0x0C, 1, 1, 1, 1, 35, A},
    {0x0C, 0x0C, 1, 1, 2, 16, 51, A},
    {0x0D, 0x0D, 1, 1, 1, 16, 51, A},
    {0x0F, 0x0F, 1, 1, 1, 1, 36, A},
    {0x0F, 0x0F, 1, 1, 2, 16, 52, A},
    // clouds
    {0x10, 0x10, 1, 1, 1, 1, 1, A},
    {0x10, 0x10, 2, 2, 1, 1, 2, A},
    {0x11, 0x11, 1, 1, 1, 1, 10, A},
    // vine up to the top of the screen
    {0x12, 0x12, 1, 1, -14, 0, 51, A},
    {0x12, 0x12, 1, 1, 1, 1, 67, A},
    // entrance lit from the right: tile 20 + x + 16y
    {0x13, 0x13, 1, 1, 1, 1, 37, A},
    {0x13, 0x13, 2, 2, 1, 1, 38, A},
    {0x13, 0x13, 3, 3, 1, 1, 39, A},
    {0x13, 0x13, 1, 1, 2, 2, 53, A},
    {0x13, 0x13, 2, 2, 2, 2, 54, A},
    {0x13, 0x13, 3, 3, 2, 2, 55, A},
    // entrance lit from the left, extending leftwards: cell 2 - x gets 23 + x + 16y
    {0x14, 0x14, 1, 1, 1, 1, 40, A},
    {0x14, 0x14, 0, 0, 1, 1, 41, A},
    {0x14, 0x14, -1, -1, 1, 1, 42, A},
    {0x14, 0x14, 1, 1, 2, 2, 56, A},
    {0x14, 0x14, 0, 0, 2, 2, 57, A},
    {0x14, 0x14, -1, -1, 2, 2, 58, A},
    // white entrance, tree
    {0x15, 0x15, 1, 1, 1, 16, 37, A},
    {0x16, 0x16, 1, 1, 1, 1, 35, A},
    {0x16, 0x16, 1, 1, 2, 16, 26, A},
    // brick background, brick wall
    {0x18, 0x18, 1, 6, 1, 16, 77, A},
    {0x19, 0x19, 1, 6, 1, 16, 61, A},
    // big mouth entrance
    {0x1E, 0x1E, 1, 3, 1, 16, 19, A},
    {0x1E, 0x1E, 1, 1, 1, 1, 47, A},
    // large red platform background
    {0x1F, 0x1F, 1, 1, 1, 16, 64, A},
    {0x1F, 0x1F, 2, 2, 1, 16, 65, A},
    {0x1F, 0x1F, 3, 3, 1, 16, 66, A},
    {0x1F, 0x1F, 4, 4, 1, 16, 65, A},
    {0x1F, 0x1F, 5, 5, 1, 16, 66, A},
    {0x1F, 0x1F, 6, 6, 1, 16, 65, A},
    {0x1F, 0x1F, 7, 7, 1, 16, 66, A},
    {0x1F, 0x1F, 8, 8, 1, 16, 65, A},
    {0x1F, 0x1F, 9, 9, 1, 16, 66, A},
    {0x1F, 0x1F, 10, 10, 1, 16, 65, A},
    {0x1F, 0x1F, 11, 11, 1, 16, 66, A},
    {0x1F, 0x1F, 12, 12, 1, 16, 68, A},
    // herbs, cherry and the rest of the single objects
    {0x20, 0x28, 1, 1, 1, 1, 18, A},
    {0x2A, 0x2A, 1, 1, 1, 1, 18, A},
    {0x29, 0x29, 1, 1, 1, 1, 3, A},
    {0x2B, 0x2B, 1, 1, 1, 1, 14, A},
    {0x2C, 0x2C, 1, 1, 1, 1, 44, A},
    {0x2D, 0x2D, 1, 1, 1, 1, 14, A},
    {0x2E, 0x2E, 1, 1, 1, 1, 79, A},
    {0x2F, 0x2F, 1, 1, 1, 1, 15, A},
    // rows, columns and ladders
    {0x30, 0x4F, 1, 16, 1, 1, 17, A},
    {0x50, 0x5F, 1, 16, 1, 1, 18, A},
    {0x60, 0x6F, 1, 16, 1, 1, 30, A},
    {0x70, 0x7F, 1, 16, 1, 1, 31, A},
    {0x80, 0x8F, 1, 1, 1, 16, 22, A},
    {0x90, 0x9F, 1, 1, 1, 1, 47, A},
    {0x90, 0x9F, 1, 1, 2, 16, 19, A},
    {0xA0, 0xAF, 1, 1, 1, 16, 25, A},
    // whale
    {0xB0, 0xBF, 1, 16, 1, 2, 60, A},
    {0xB0, 0xBF, 1, 16, 3, 16, 46, A},
    // green platform: top row, then the body down to the ground
    {0xC0, 0xCF, 1, 1, 1, 1, 32, A},
    {0xC0, 0xCF, 2, 15, 1, 1, 33, A},
    {0xC0, 0xCF, W, W, 1, 1, 34, A},
    {0xC0, 0xCF, 1, 1, 2, 16, 48, A},
    {0xC0, 0xCF, 2, 15, 2, 16, 49, A},
    {0xC0, 0xCF, W, W, 2, 16, 50, A},
    // red wood platform, cloud platform
    {0xD0, 0xDF, 1, 1, 1, 1, 4, A},
    {0xD0, 0xDF, 2, 15, 1, 1, 5, A},
    {0xD0, 0xDF, W, W, 1, 1, 6, A},
    {0xE0, 0xEF, 1, 1, 1, 1, 7, A},
    {0xE0, 0xEF, 2, 15, 1, 1, 8, A},
    {0xE0, 0xEF, W, W, 1, 1, 9, A},
    // waterfall
    {0xF0, 0xFF, 1, 16, 1, 1, 20, A},
    {0xF0, 0xFF, 1, 16, 2, 16, 23, A},
    // object-set variants
    {0x30, 0x3F, 1, 16, 1, 1, 45, 0x1111},
    {0x80, 0x8F, 1, 1, 1, 16, 19, 0x1111},
    {0x30, 0x3F, 1, 16, 1, 1, 62, 0x2222},
    {0x40, 0x4F, 1, 16, 1, 1, 59, 0x2222},
    {0x80, 0x8F, 1, 1, 1, 16, 60, 0x2222},
    {0x80, 0x8F, 1, 1, 1, 16, 45, 0x8888},
    {0xA0, 0xAF, 1, 1, 1, 16, 63, 0x00F0},
    {0xA0, 0xAF, 1, 1, 1, 16, 69, 0x0F00},
}};

} // namespace quorled

namespace quorled {
namespace {

constexpr bool fillsInsideTheGrid()
{
    for (const TileFill& f : objectTileFills) {
        const bool columnsOk = (f.x1 == kAtWidth && f.x2 == kAtWidth)
            || (f.x1 >= -1 && f.x1 <= f.x2 && f.x2 <= 16);
        const bool rowsOk = f.y1 >= -14 && f.y1 <= f.y2 && f.y2 <= 16;
        const bool typesOk = f.firstType >= 0 && f.firstType <= f.lastType && f.lastType <= 0xFF;
        if (!columnsOk || !rowsOk || !typesOk || f.tile < 0 || f.tile > 255)
            return false;
    }
    return true;
}
static_assert(fillsInsideTheGrid(), "every tile fill must lie inside the tile map");

} // namespace
} // namespace quorled
