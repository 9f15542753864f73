// Blocks and walls: X-block, bricks, quake block, bombable rock, lift block,
// wood block and wall, stone walls, the evil head.

#include "pixelfont.h"
#include "theme.h"

namespace quorled::artwork {
namespace {

// A bevelled box: light top and left edge, dark bottom and right edge.
void bevel(TilePen& p, int x0, int y0, int x1, int y1, Sub s, int fill)
{
    p.rect(x0, y0, x1, y1, fill);
    p.hline(x0, x1, y0, s.light());
    p.vline(x0, y0, y1, s.light());
    p.hline(x0, x1, y1, s.dark());
    p.vline(x1, y0, y1, s.dark());
}

// Running-bond bricks of w x h (mortar included), rows shifted by `shift`.
void bricks(TilePen& p, Sub s, int w, int h, int shift, int face, int mortar, bool bevelled)
{
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const int row = y / h;
            const int bx = (x + (row % 2) * shift) % w;
            const int by = y % h;
            int slot = face;
            if (by == h - 1 || bx == w - 1)
                slot = mortar;
            else if (bevelled && (by == 0 || bx == 0))
                slot = s.light();
            p.px(x, y, slot);
        }
}

void xBlock(TilePen p, const Theme& t)
{
    const Sub s = t.red;
    bevel(p, 0, 0, 15, 15, s, s.mid());
    p.frame(1, 1, 14, 14, s.mid());
    for (int i = 3; i <= 12; ++i) {
        p.px(i, i, s.light());
        p.px(15 - i, i, s.light());
        p.px(i + 1, i, s.dark());
        p.px(16 - i, i, s.dark());
    }
    p.px(3, 3, s.light());
}

void quakeBlock(TilePen p, const Theme& t)
{
    const Sub s = t.sky;
    bevel(p, 0, 0, 15, 15, s, s.mid());
    p.frame(1, 1, 14, 14, s.mid());
    // A zig-zag crack from top to bottom: the block shakes the ground.
    const int crack[12][2] = {{7, 2}, {6, 3}, {5, 4}, {6, 5}, {7, 6}, {8, 7},
                              {9, 8}, {8, 9}, {7, 10}, {6, 11}, {7, 12}, {8, 13}};
    for (const auto& c : crack) {
        p.px(c[0], c[1], s.dark());
        p.px(c[0] + 1, c[1], s.light());
    }
    p.px(3, 7, s.dark());
    p.px(12, 8, s.dark());
}

void rock(TilePen p, const Theme& t)
{
    p.art({"...KKKKKKKKKK...",
           "..KLLLMMMMMMMK..",
           ".KLLMMMMMMMMMMK.",
           "KLLMMMMMMKMMMMMK",
           "KLMMMMMMMKMMMMMK",
           "KLMMMMMMKMMMMMMK",
           "KMMMMMKKMMMMMMMK",
           "KMMMMKMMMMMLMMMK",
           "KMMMMMKMMMMMMMKK",
           "KMMLMMMKMMMMMKMK",
           "KMMMMMMKKMMMKMMK",
           "KMMMMMMMMKMKMMMK",
           ".KMMMMMMMMKMMMK.",
           ".KKMMMMMMMMMMKK.",
           "..KKKMMMMMKKKK..",
           "....KKKKKKK....."},
          keys(t.rock));
}

// A square crate with an upward arrow, to be lifted and thrown.
void liftBlock(TilePen p, const Theme& t)
{
    p.art({"KKKKKKKKKKKKKKKK",
           "KLLLLLLLLLLLLLLK",
           "KLMMMMMKKMMMMMLK",
           "KLMMMMKLLKMMMMLK",
           "KLMMMKLLLLKMMMLK",
           "KLMMKLLLLLLKMMLK",
           "KLMKKKLLLLKKKMLK",
           "KLMMMKLLLLKMMMLK",
           "KLMMMKLLLLKMMMLK",
           "KLMMMKLLLLKMMMLK",
           "KLMMMKKKKKKMMMLK",
           "KLMMMMMMMMMMMMLK",
           "KLKKMMMMMMMMKKLK",
           "KLMMMMMMMMMMMMLK",
           "KMMMMMMMMMMMMMMK",
           "KKKKKKKKKKKKKKKK"},
          keys(t.red));
}

// A round cap with a peak to the right and a badge on its crown.
void vigourCap(TilePen p, const Theme& t)
{
    p.art({"................",
           "................",
           "................",
           "....KKKKKK......",
           "..KKMMMMMMKK....",
           ".KMMMLLLMMMMK...",
           ".KMMLLKLLMMMK...",
           "KMMMLKLKLMMMMK..",
           "KMMMLLKLLMMMMK..",
           "KMMMMLLLMMMMMK..",
           "KMMMMMMMMMMMMKKK",
           "KLLLLLLLLLLLMMMK",
           "KKKKKKKKKKKKKKKK",
           "................",
           "................",
           "................"},
          keys(t.red));
}

// Large brick face used for the brick background, 16 x 8 blocks.
void bigBricks(TilePen p, Sub s, int face)
{
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const int bx = (x + ((y / 8) % 2) * 8) % 16;
            const int by = y % 8;
            int slot = face;
            if (by == 7 || bx == 15)
                slot = s.dark();
            else if (by == 0 || bx == 0)
                slot = s.light();
            else if ((noise(x, y, 77) & 15) == 0)
                slot = s.dark();
            p.px(x, y, slot);
        }
}

// Square stone blocks 8 x 8, bevelled, with a pattern per variant.
void stoneWall(TilePen p, Sub s, int variant)
{
    for (int by = 0; by < 16; by += 8)
        for (int bx = 0; bx < 16; bx += 8)
            bevel(p, bx, by, bx + 7, by + 7, s, variant == 0 ? s.mid() : s.bg());
    if (variant == 1) {
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                if (p.at(x, y) == s.bg() && ((x + y) % 2 == 0))
                    p.px(x, y, s.mid());
    }
    if (variant == 2) {
        p.fill(s.mid());
        p.frame(0, 0, 15, 15, s.dark());
        p.hline(0, 15, 0, s.light());
        p.vline(0, 0, 15, s.light());
        p.rect(6, 3, 9, 12, s.dark()); // a narrow window slit
        p.vline(5, 3, 12, s.light());
    }
}

void woodBlock(TilePen p, const Theme& t)
{
    const Sub s = t.wood;
    bevel(p, 0, 0, 15, 15, s, s.mid());
    for (int y = 3; y < 15; y += 4)
        p.hline(2, 13, y, s.dark());
    p.px(3, 2, s.dark());
    p.px(11, 6, s.dark());
    p.px(6, 10, s.dark());
    p.frame(1, 1, 14, 14, s.dark());
}

void woodWall(TilePen p, const Theme& t)
{
    const Sub s = t.wood;
    for (int x = 0; x < 16; ++x) {
        const int bx = x % 4;
        p.vline(x, 0, 15, bx == 3 ? s.dark() : bx == 0 ? s.light() : s.mid());
    }
    for (int x = 1; x < 16; x += 4) {
        p.px(x, 2, s.dark());
        p.px(x + 1, 11, s.dark());
    }
}

void evilHead(TilePen p, const Theme& t)
{
    p.art({"....KKKKKKKK....",
           "..KKLLLLLLLLKK..",
           ".KLLLLLLLLLLLLK.",
           ".KLLKKLLLLKKLLK.",
           "KLLKMMKLLKMMKLLK",
           "KLLKMKKLLKKMKLLK",
           "KLLLKKLLLLKKLLLK",
           "KLLLLLLKKLLLLLLK",
           "KMLLLLLKKLLLLLMK",
           "KMMLLLLLLLLLLMMK",
           ".KMKKKKKKKKKKMK.",
           ".KMKLKLKLKLKKMK.",
           "..KKMMMMMMMMKK..",
           "...KKLKLKLKLK...",
           "....KKKKKKKK....",
           "................"},
          keys(t.red));
}

} // namespace

void drawBlocks(SlotSheet& sheet, const Theme& t)
{
    xBlock(TilePen(sheet, 17), t);
    quakeBlock(TilePen(sheet, 21), t);
    rock(TilePen(sheet, 22), t);
    liftBlock(TilePen(sheet, 24), t);
    vigourCap(TilePen(sheet, 14), t);
    {
        TilePen p(sheet, 45); // row of bricks: small light bricks
        bricks(p, t.wood, 8, 4, 4, t.wood.light(), t.wood.dark(), false);
        for (int y = 2; y < 16; y += 4)
            for (int x = 0; x < 16; ++x)
                if (p.at(x, y) == t.wood.light() && p.at(x, y + 1) == t.wood.dark())
                    p.px(x, y, t.wood.mid());
    }
    {
        TilePen p(sheet, 19); // brown brick: darker bricks of 8 x 8, bevelled
        bricks(p, t.wood, 8, 8, 4, t.wood.mid(), t.wood.dark(), true);
    }
    {
        TilePen p(sheet, 47); // cap on top of a brick column
        p.copyFrom(19);
        p.rect(0, 0, 15, 5, t.wood.mid());
        p.hline(0, 15, 0, t.wood.light());
        p.hline(0, 15, 1, t.wood.light());
        p.hline(0, 15, 5, t.wood.dark());
        p.hline(0, 15, 4, t.wood.dark());
        p.vline(0, 0, 5, t.wood.dark());
        p.vline(15, 0, 5, t.wood.dark());
    }
    bigBricks(TilePen(sheet, 77), t.rock, t.rock.mid());
    stoneWall(TilePen(sheet, 61), t.rock, 0);
    stoneWall(TilePen(sheet, 70), t.rock, 1);
    stoneWall(TilePen(sheet, 71), t.rock, 2);
    woodBlock(TilePen(sheet, 62), t);
    woodWall(TilePen(sheet, 15), t);
    evilHead(TilePen(sheet, 44), t);
}

} // namespace quorled::artwork
