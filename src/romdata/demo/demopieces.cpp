#include "demopieces.h"

#include <algorithm>
#include <array>

namespace quorled {

namespace {

// Enemies that walk or stand on the ground.
constexpr std::array<int, 21> kGroundEnemies{0x01, 0x03, 0x05, 0x02, 0x04, 0x06, 0x09, 0x07, 0x08, 0x0D, 0x0E,
                                             0x1A, 0x19, 0x23, 0x24, 0x25, 0x26, 0x1B, 0x29, 0x3B, 0x1C};
// Enemies that fly, or start an attack from the top of the screen.
constexpr std::array<int, 13> kAirEnemies{0x10, 0x0F, 0x0B, 0x0C, 0x0A, 0x12, 0x2E, 0x2F, 0x30, 0x31, 0x47, 0x48, 0x49};
// Things to pick up.
constexpr std::array<int, 16> kItems{0x36, 0x32, 0x33, 0x00, 0x34, 0x35, 0x37, 0x38, 0x39, 0x3A, 0x3E, 0x3F, 0x40,
                                     0x45, 0x46, 0x3C};
constexpr std::array<int, 10> kHerbs{0x20, 0x21, 0x22, 0x23, 0x24, 0x25, 0x26, 0x27, 0x28, 0x2A};
constexpr std::array<int, 4> kJars{0x06, 0x04, 0x07, 0x08};
// Scenery that stands on the ground (tree, pillar, walls, backgrounds).
constexpr std::array<int, 7> kDecor{0x16, 0x0F, 0x17, 0x18, 0x2C, 0x19, 0x1F};

constexpr bool isFlyer(int type)
{
    return type == 0x10 || type == 0x0F || type == 0x0B || type == 0x0C || type == 0x0A || type == 0x12;
}

} // namespace

int DemoPieces::groundEnemy() { return kGroundEnemies[groundCursor_++ % kGroundEnemies.size()]; }
int DemoPieces::airEnemy() { return kAirEnemies[airCursor_++ % kAirEnemies.size()]; }
int DemoPieces::item() { return kItems[itemCursor_++ % kItems.size()]; }
int DemoPieces::herb() { return kHerbs[herbCursor_++ % kHerbs.size()]; }

int DemoPieces::sized(int family, int maxSize)
{
    int& cursor = sizeCursor_[(family >> 4) & 15];
    // Families that write 0 as "very large" start at 1 in small places.
    const bool zeroIsLarge = family >= 0xB0;
    const int low = zeroIsLarge ? 1 : 0;
    const int size = low + cursor++ % (maxSize - low + 1);
    return family + size;
}

void DemoPieces::horizontalPage(DemoAreaWriter& w, int page, int g, int world, int variant)
{
    const int x0 = page * 16;
    int piece = (pieceCursor_++ + variant) % 12;
    if (piece == 11 && world != 3)
        piece = 6;
    switch (piece) {
    case 0: { // a pit crossed by a bridge
        const int bridge = sized(0x60, 8);
        const int width = (bridge & 15) + 1;
        w.object(page, g, 3, bridge);
        w.groundFrom(page, 3, 8);
        w.groundFrom(page, 3 + width, w.header().groundSetting);
        const int flyer = airEnemy();
        w.enemy(flyer, x0 + 4 + width / 2, flyer >= 0x47 ? 0 : 4);
        break;
    }
    case 1: { // spikes with blocks above them
        const int spikes = sized(0x70, 4);
        w.object(page, g - 1, 4, spikes);
        w.object(page, g - 4, 3, sized(0x30, 6));
        w.enemy(groundEnemy(), x0 + 12, g - 1);
        break;
    }
    case 2: { // two platforms with cherries
        w.object(page, g - 6, 7, sized(0x40, 6));
        w.object(page, g - 7, 8, 0x29);
        w.object(page, g - 7, 10, 0x29);
        w.object(page, g - 3, 2, sized(0x30, 5));
        w.enemy(groundEnemy(), x0 + 3, g - 4);
        break;
    }
    case 3: { // a brick column with a ladder beside it
        const int column = sized(0x90, 5);
        const int ladder = sized(0xA0, 6);
        w.object(page, g - ((column & 15) + 1), 6, column);
        w.object(page, g - ((ladder & 15) + 1), 7, ladder);
        w.object(page, g - 1, 9, 0x05);
        w.enemy(groundEnemy(), x0 + 12, g - 1);
        break;
    }
    case 4: { // a field of herbs
        w.object(page, g - 1, 3, herb());
        w.object(page, g - 1, 5, herb());
        w.object(page, g - 1, 7, herb());
        w.object(page, g - 1, 9, sized(0x50, 5));
        w.enemy(groundEnemy(), x0 + 14, g - 1);
        break;
    }
    case 5: { // a jar and vines
        const int jar = kJars[jarCursor_++ % kJars.size()];
        const int vine = (jarCursor_ % 2) ? 0x0C : 0x0D;
        w.object(page, jar == 0x04 ? g - 1 : g - 3, 4, jar);
        w.object(page, g - 6, 8, vine);
        w.object(page, g - 3, 13, 0x03);
        w.object(page, g - 2, 13, 0x03);
        w.object(page, g - 1, 11, 0x12);
        w.enemy(0x14, x0 + 8, g - 4);
        w.enemy(jar == 0x08 ? 0x18 : (jarCursor_ % 2 ? 0x15 : 0x16), x0 + 4, g - 4);
        break;
    }
    case 6: { // a green hill
        const int hill = sized(0xC0, 8);
        w.object(page, g - 3, 3, hill);
        w.enemy(groundEnemy(), x0 + 4, g - 4);
        break;
    }
    case 7: { // floating platforms
        w.object(page, g - 4, 2, sized(0xD0, 5));
        w.object(page, g - 7, 8, sized(0xE0, 6));
        w.object(page, 2, 4, 0x10);
        w.object(page, 3, 11, 0x11);
        w.enemy(groundEnemy(), x0 + 3, g - 5);
        break;
    }
    case 8: { // a waterfall with a fish in it
        w.object(page, g - 6, 5, sized(0xF0, 5));
        w.enemy(0x13, x0 + 6, g - 1);
        w.enemy(groundEnemy(), x0 + 13, g - 1);
        break;
    }
    case 9: { // bombable rocks and blocks to pull out
        const int rocks = sized(0x80, 3);
        w.object(page, g - ((rocks & 15) + 1), 4, rocks);
        w.object(page, g - 1, 7, 0x02);
        w.object(page, g - 1, 9, 0x00);
        w.object(page, g - 1, 10, 0x01);
        w.object(page, g - 1, 12, 0x2F);
        w.enemy(groundEnemy(), x0 + 14, g - 1);
        break;
    }
    case 10: { // scenery
        const int decor = kDecor[decorCursor_++ % kDecor.size()];
        const int row = (decor == 0x17 || decor == 0x2C) ? g - 1 : g - 4;
        w.object(page, row, 5, decor);
        const int enemy = groundEnemy();
        w.enemy(enemy, x0 + 12, isFlyer(enemy) ? 5 : g - 1);
        break;
    }
    default: { // a whale with its eye and spout
        const int whale = sized(0xB0, 9);
        w.object(page, g - 2, 2, whale);
        w.object(page, g - 2, 3, 0x2E);
        w.enemy(0x28, x0 + 5, g - 3);
        break;
    }
    }
}

void DemoPieces::verticalPage(DemoAreaWriter& w, int page, int world, int variant)
{
    const int y0 = page * 16;
    const int ladderFamily = 0xA0;
    switch ((pieceCursor_++ + variant) % 4) {
    case 0: { // a ledge reached by a ladder
        const int ledge = 0x30 + 3 + (sized(0x30, 4) & 15);
        w.object(page, 12, 6, ledge);
        const int ladder = sized(ladderFamily, 7);
        w.object(page, 12 - ((ladder & 15) + 1), 8, ladder);
        w.object(page, 5, 2, sized(0x40, 3));
        w.enemy(groundEnemy(), 7, y0 + 11);
        break;
    }
    case 1: { // platforms on both sides with a spark between them
        w.object(page, 7, 2, sized(0x40, 4));
        w.object(page, 11, 8, sized(0xD0, 5));
        w.object(page, 3, 12, 0x03);
        w.object(page, 4, 12, 0x03);
        w.enemy(airEnemy(), 7, y0 + 9);
        w.enemy(groundEnemy(), 9, y0 + 10);
        break;
    }
    case 2: { // brick columns and a rock wall
        const int bricks = sized(0x90, 4);
        w.object(page, 9 - (bricks & 15), 3, bricks);
        w.object(page, 10, 2, sized(0x30, 5));
        w.object(page, 6, 10, sized(0x80, 3));
        w.object(page, 10, 9, 0x33);
        w.enemy(item(), 4, y0 + 9);
        break;
    }
    default: { // a cloud ledge with blocks and a herb
        w.object(page, 9, 5, 0x00);
        w.object(page, 9, 6, 0x00);
        w.object(page, 10, 4, sized(0xE0, 5));
        w.object(page, 13, 9, world % 2 ? 0x2F : 0x01);
        w.object(page, 13, 11, herb());
        w.enemy(groundEnemy(), 6, y0 + 8);
        break;
    }
    }
}

void DemoPieces::skyLayer(DemoAreaWriter& w, int world)
{
    for (int page = 0; page < w.pages(); page += 2) {
        if (world == 6 || world == 2)
            w.object(page, 0, 6, 0x0E);
        w.object(page, 1 + page % 3, 2 + (page * 5) % 9, page % 4 ? 0x11 : 0x10);
    }
}

} // namespace quorled
