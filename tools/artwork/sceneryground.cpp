// Ground fills for each world group. Every fill tiles seamlessly with itself;
// surface tiles have a top edge and continue the fill below it.

#include "theme.h"

namespace quorled::artwork {
namespace {

// Speckled earth: mid fill with light and dark grains.
void earth(TilePen p, Sub s, int seed)
{
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const std::uint32_t n = noise(x, y, seed) % 23;
            p.px(x, y, n == 0 ? s.dark() : n == 1 ? s.light() : s.mid());
        }
    for (int y = 2; y < 16; y += 8)
        for (int x = (y % 16 == 2 ? 3 : 11); x < 16; x += 16) {
            p.hline(x, x + 2, y, s.dark());
            p.px(x + 1, y - 1, s.light());
        }
}

// Grass (or snow) top over a fill tile.
void surface(TilePen p, Sub top, int fillTile, bool tufts)
{
    p.copyFrom(fillTile);
    p.rect(0, 0, 15, 3, top.light());
    p.hline(0, 15, 0, top.mid());
    for (int x = 0; x < 16; ++x) {
        const int drop = (x % 5 == 1 || x % 7 == 3) ? 6 : 4;
        p.rect(x, 4, x, drop, top.mid());
        p.px(x, drop + 1, top.dark());
    }
    if (tufts)
        for (int x = 2; x < 16; x += 6)
            p.px(x, 1, top.mid());
}

// Rough rock wall with cracks.
void rockWall(TilePen p, Sub s, int seed, int fill)
{
    p.fill(fill);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const std::uint32_t n = noise(x, y, seed) % 11;
            if (n == 0)
                p.px(x, y, s.dark());
            else if (n == 1)
                p.px(x, y, s.light());
        }
    // cracks, each a short diagonal run that wraps round the cell
    for (int c = 0; c < 3; ++c) {
        int x = static_cast<int>(noise(c, 1, seed) % 16), y = static_cast<int>(noise(c, 2, seed) % 16);
        for (int i = 0; i < 5; ++i) {
            p.px((x + 16) % 16, (y + 16) % 16, s.dark());
            x += (noise(c, i, seed + 1) % 2) ? 1 : -1;
            y += 1;
        }
    }
}

// Bevelled blocks of 8 x 8 over the whole cell.
void blocks(TilePen p, Sub s, int face)
{
    for (int by = 0; by < 16; by += 8)
        for (int bx = 0; bx < 16; bx += 8) {
            p.rect(bx, by, bx + 7, by + 7, face);
            p.hline(bx, bx + 7, by, s.light());
            p.vline(bx, by, by + 7, s.light());
            p.hline(bx, bx + 7, by + 7, s.dark());
            p.vline(bx + 7, by, by + 7, s.dark());
        }
}

// Wind-blown sand: light wavy lines over the fill.
void dunes(TilePen p, Sub s)
{
    p.fill(s.light());
    for (int x = 0; x < 16; ++x) {
        const int wave = (x % 8 < 4) ? x % 4 : 3 - x % 4;
        p.px(x, 3 + wave / 2, s.mid());
        p.px(x, 11 + wave / 2, s.mid());
        if (noise(x, 0, 78) % 5 == 0)
            p.px(x, 7, s.dark());
    }
}

} // namespace

void drawGround(SlotSheet& sheet, const Theme& t)
{
    // Vertical-area walls, shared by every group.
    rockWall(TilePen(sheet, 73), t.rock, 73, t.rock.mid());
    {
        TilePen p(sheet, 72); // wall face with a lighter, worn surface
        rockWall(p, t.rock, 72, t.rock.light());
    }
    blocks(TilePen(sheet, 74), t.rock, t.rock.mid());
    {
        TilePen p(sheet, 75); // dark cave wall behind things
        rockWall(p, t.rock, 75, t.rock.dark());
        p.swapSlot(t.rock.light(), t.rock.mid());
    }
    dunes(TilePen(sheet, 76), t.earth);
    dunes(TilePen(sheet, 78), t.earth);

    switch (t.land) {
    case Land::Grass:
        earth(TilePen(sheet, 59), t.earth, 59);
        surface(TilePen(sheet, 43), t.plant, 59, true);
        break;
    case Land::Desert: {
        earth(TilePen(sheet, 59), t.earth, 59); // sand, also the sand platform
        {
            TilePen p(sheet, 59);
            p.swapSlot(t.earth.dark(), t.earth.light());
        }
        rockWall(TilePen(sheet, 60), t.rock, 60, t.rock.mid());
        TilePen p(sheet, 78); // firm sand: dunes with dark grains
        dunes(p, t.earth);
        p.swapSlot(t.earth.light(), t.earth.mid());
        {
            TilePen q(sheet, 79); // sandstone bricks
            blocks(q, t.earth, t.earth.mid());
        }
        break;
    }
    case Land::Ice: {
        earth(TilePen(sheet, 59), t.earth, 59);
        surface(TilePen(sheet, 43), t.earth, 59, false);
        {
            TilePen p(sheet, 43); // snow: white top over the ice
            p.swapSlot(t.earth.mid(), t.earth.light());
            for (int x = 0; x < 16; ++x)
                p.px(x, 4 + (x % 3 == 0 ? 1 : 0), t.earth.mid());
        }
        blocks(TilePen(sheet, 78), t.earth, t.earth.light()); // ice blocks
        {
            TilePen p(sheet, 60); // deep ice
            rockWall(p, t.sky, 61, t.sky.mid());
        }
        break;
    }
    case Land::Castle:
        earth(TilePen(sheet, 59), t.earth, 59);
        surface(TilePen(sheet, 43), t.plant, 59, true);
        blocks(TilePen(sheet, 60), t.rock, t.rock.mid()); // castle masonry
        break;
    }
}

} // namespace quorled::artwork
