#include "enemysheets.h"

#include "enemyart.h"
#include "spriteinks.h"
#include "view/catalogue.h"
#include "view/enemytiles.h"

#include <cstdio>

namespace quorled::art {

namespace {

constexpr int kSheetSize = 256;
constexpr int kCheckerTile = 254;
constexpr int kLastNamedEnemy = 0x4A;
constexpr QRgb kCheckerYellow = 0xFFFFFF00;
constexpr QRgb kCheckerOrange = 0xFFFF8000;

// Copies the cells of every pictured enemy to the sheet tiles the tile map
// gives them. A tile shared by two enemies must show the same pixels.
Canvas layOutTiles()
{
    Canvas sheet(kSheetSize, kSheetSize);
    std::array<int, 256> owner;
    owner.fill(-1);
    const Catalogue& catalogue = Catalogue::instance();
    const EnemyTileMap& tiles = EnemyTileMap::instance();
    for (int type = 0; type <= kLastNamedEnemy; ++type) {
        const Canvas art = drawEnemy(type);
        if (art.width() == 0)
            continue;
        for (int y = 1; y <= catalogue.enemyHeight(type); ++y) {
            for (int x = 1; x <= catalogue.enemyWidth(type); ++x) {
                const int t = tiles.tile(type, x, y);
                if (t == kCheckerTile)
                    continue;
                const int tx = 16 * (t % 16);
                const int ty = 16 * (t / 16);
                for (int py = 0; py < 16; ++py) {
                    for (int px = 0; px < 16; ++px) {
                        const Ink ink = art.at(16 * (x - 1) + px, 16 * (y - 1) + py);
                        if (owner[static_cast<std::size_t>(t)] >= 0 && sheet.at(tx + px, ty + py) != ink)
                            std::fprintf(stderr, "tile %d: enemy %02X differs from enemy %02X\n", t, type,
                                         owner[static_cast<std::size_t>(t)]);
                        sheet.dot(tx + px, ty + py, ink);
                    }
                }
                owner[static_cast<std::size_t>(t)] = type;
            }
        }
    }
    return sheet;
}

bool inCheckerTile(int x, int y)
{
    return x / 16 == kCheckerTile % 16 && y / 16 == kCheckerTile / 16;
}

} // namespace

EnemySheets drawEnemySheets()
{
    const Canvas inks = layOutTiles();
    EnemySheets result;
    result.mask = QImage(kSheetSize, kSheetSize, QImage::Format_RGB32);
    for (int set = 0; set < kEnemyColourSets; ++set)
        result.sheets[static_cast<std::size_t>(set)] = QImage(kSheetSize, kSheetSize, QImage::Format_RGB32);

    for (int y = 0; y < kSheetSize; ++y) {
        for (int x = 0; x < kSheetSize; ++x) {
            const Ink ink = inks.at(x, y);
            const bool checker = inCheckerTile(x, y);
            const bool opaque = checker || ink != Clear;
            result.mask.setPixel(x, y, opaque ? 0xFF000000 : 0xFFFFFFFF);
            for (int set = 0; set < kEnemyColourSets; ++set) {
                QRgb colour = 0xFF000000;
                if (checker)
                    colour = ((x / 4 + y / 4) % 2 == 0) ? kCheckerYellow : kCheckerOrange;
                else if (ink != Clear)
                    colour = 0xFF000000 | inkColour(set, ink);
                result.sheets[static_cast<std::size_t>(set)].setPixel(x, y, colour);
            }
        }
    }
    return result;
}

std::string checkEnemySheets(const EnemySheets& sheets)
{
    char text[160];
    for (int y = 0; y < kSheetSize; ++y) {
        for (int x = 0; x < kSheetSize; ++x) {
            const QRgb m = sheets.mask.pixel(x, y) & 0xFFFFFF;
            if (m != 0 && m != 0xFFFFFF) {
                std::snprintf(text, sizeof text, "The mask pixel (%d, %d) is neither black nor white.", x, y);
                return text;
            }
            if (inCheckerTile(x, y) && m != 0) {
                std::snprintf(text, sizeof text, "The checkerboard tile is not opaque at (%d, %d).", x, y);
                return text;
            }
            for (int set = 0; set < 4; ++set) {
                if (m != 0 && (sheets.sheets[static_cast<std::size_t>(set)].pixel(x, y) & 0xFFFFFF) != 0) {
                    std::snprintf(text, sizeof text,
                                  "Enemy sheet %d has colour at (%d, %d), where the mask is transparent.", set,
                                  x, y);
                    return text;
                }
            }
        }
    }
    return {};
}

} // namespace quorled::art
