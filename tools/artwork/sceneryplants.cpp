// Plants: herbs, cherry, tree, vine and the green platform hill.

#include "theme.h"

namespace quorled::artwork {
namespace {

// Column of the vine's stem in each row; row 15 meets row 0 so the vine tiles.
constexpr int kVineStem[16] = {7, 7, 6, 6, 6, 7, 7, 8, 8, 9, 9, 9, 8, 8, 7, 7};

void vine(TilePen p, Sub s, int lastRow)
{
    for (int y = 0; y <= lastRow; ++y) {
        p.px(kVineStem[y] - 1, y, s.dark());
        p.px(kVineStem[y], y, s.mid());
        p.px(kVineStem[y] + 1, y, s.dark());
    }
    auto leaf = [&](int x, int y, int dir) {
        // a leaf of 5 x 3 pointing away from the stem
        for (int i = 0; i < 5; ++i) {
            const int lx = x + dir * i;
            p.px(lx, y - 1, (i == 0 || i == 4) ? s.bg() : s.dark());
            p.px(lx, y, i == 4 ? s.dark() : (i % 2 ? s.light() : s.mid()));
            p.px(lx, y + 1, (i == 0 || i == 4) ? s.bg() : s.dark());
        }
        p.px(x + dir * 5, y, s.dark());
    };
    if (lastRow >= 4)
        leaf(kVineStem[3] - 2, 3, -1);
    if (lastRow >= 11)
        leaf(kVineStem[10] + 2, 10, 1);
}

void herb(TilePen p, Sub s)
{
    p.art({"................",
           "................",
           "................",
           "................",
           "................",
           "................",
           "......K...K.....",
           ".....KLK.KLK....",
           "..K..KLMKKMK..K.",
           ".KLK.KMMKMMK.KLK",
           ".KLMKKMMKMK.KMK.",
           "..KMMKMMMMKKMMK.",
           "...KMMMMMMMMMK..",
           "....KMMMMMMMK...",
           ".....KKKKKKK....",
           "................"},
          keys(s));
}

void cherry(TilePen p, const Theme& t)
{
    p.art({"................",
           "..........QR....",
           "........QQR.....",
           "......QR..R.....",
           ".....QR....R....",
           "....QR.....R....",
           "...KKK....KKK...",
           "..KLMMK..KLMMK..",
           ".KLMMMMKKLMMMMK.",
           ".KMMMMMKKMMMMMK.",
           ".KMMMMMKKMMMMMK.",
           "..KMMMK..KMMMK..",
           "...KKK....KKK...",
           "................",
           "................",
           "................"},
          keys(t.red, t.plant));
}

void treeTop(TilePen p, const Theme& t)
{
    if (t.land == Land::Desert) { // palm fronds
        p.art({"................",
               "....KKK..KKK....",
               "..KKLLMKKMLLKK..",
               ".KLLMMMKKMMMLLK.",
               "KLMMKKMMMMKKMMLK",
               "KMKK.KMMMMK.KKMK",
               "KK..KMKRRKMK..KK",
               "...KMK.RQ.KMK...",
               "...KK..RQR.KK...",
               ".......RQR......",
               "......RQQR......",
               "......RPQR......",
               "......RQQR......",
               "......RQPR......",
               "......RQQR......",
               "......RPQR......"},
              keys(t.plant, t.wood));
        return;
    }
    p.art({"....KKKKKKKK....",
           "..KKLLLMMMMMKK..",
           ".KLLLMMMMMMMMMK.",
           ".KLLMMMMLMMMMMK.",
           "KLLMMMMLLLMMMMMK",
           "KLMMMMMMLMMMKMMK",
           "KMMMLMMMMMMKMMMK",
           "KMMLLLMMMMMMMMMK",
           "KMMMLMMMKMMMMKMK",
           ".KMMMMMKMMMMMMK.",
           ".KKMMMMMMMMMMKK.",
           "...KKKKRQQRKKK..",
           ".....RPQQQR.....",
           ".....RPQQQR.....",
           ".....RPQQQR.....",
           ".....RPQQQR....."},
          keys(t.plant, t.wood));
}

void trunk(TilePen p, const Theme& t)
{
    const Sub s = t.wood;
    if (t.land == Land::Desert) { // palm trunk of stacked rings
        for (int y = 0; y < 16; ++y) {
            p.px(6, y, s.dark());
            p.px(9, y, s.dark());
            p.px(7, y, y % 4 == 0 ? s.dark() : s.light());
            p.px(8, y, y % 4 == 0 ? s.dark() : s.mid());
        }
        return;
    }
    for (int y = 0; y < 16; ++y) {
        p.px(5, y, s.dark());
        p.px(6, y, s.light());
        p.rect(7, y, 9, y, s.mid());
        p.px(10, y, s.dark());
    }
    for (int y = 2; y < 16; y += 6) {
        p.px(8, y, s.dark());
        p.px(8, y + 1, s.dark());
        p.px(7, y + 4, s.dark());
    }
}

// Green hill platform: edge = -1 left, 0 middle, 1 right; top row or body.
void hill(TilePen p, Sub s, int edge, bool top)
{
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            int slot = s.mid();
            if ((x % 8 == 2 && y % 8 == 3) || (x % 8 == 6 && y % 8 == 7))
                slot = s.light();
            if (x % 8 == 3 && y % 8 == 3)
                slot = s.dark();
            p.px(x, y, slot);
        }
    if (top) {
        p.rect(0, 1, 15, 3, s.light());
        p.hline(0, 15, 0, s.dark());
        for (int x = 1; x < 16; x += 4)
            p.px(x, 4, s.light());
        p.hline(0, 15, 5, s.dark());
        for (int x = 0; x < 16; x += 2)
            p.px(x, 5, s.mid());
    }
    if (edge == -1) {
        p.vline(0, 0, 15, s.dark());
        p.vline(1, top ? 1 : 0, 15, s.light());
        if (top) {
            p.rect(0, 0, 1, 1, s.bg());
            p.px(0, 2, s.bg());
            p.px(2, 0, s.bg());
            p.px(1, 2, s.dark());
            p.px(2, 1, s.dark());
        }
    }
    if (edge == 1) {
        p.vline(15, 0, 15, s.dark());
        p.vline(14, top ? 1 : 0, 15, s.dark());
        if (top) {
            p.rect(14, 0, 15, 1, s.bg());
            p.px(15, 2, s.bg());
            p.px(13, 0, s.bg());
            p.px(14, 2, s.dark());
            p.px(13, 1, s.dark());
        }
    }
}

} // namespace

void drawPlants(SlotSheet& sheet, const Theme& t)
{
    vine(TilePen(sheet, 51), t.plant, 15);
    {
        TilePen p(sheet, 67); // lowest cell of a vine that grows upward: the root
        vine(p, t.plant, 11);
        p.art({"................", "................", "................", "................",
               "................", "................", "................", "................",
               "................", "................", "................", "................",
               "....KKK.MK.KKK..",
               "...KLLMKMKKMLLK.",
               "....KKKMMMKKKK..",
               "......KKKKK....."},
              keys(t.plant));
    }
    herb(TilePen(sheet, 18), t.plant);
    cherry(TilePen(sheet, 3), t);
    treeTop(TilePen(sheet, 35), t);
    trunk(TilePen(sheet, 26), t);
    hill(TilePen(sheet, 32), t.plant, -1, true);
    hill(TilePen(sheet, 33), t.plant, 0, true);
    hill(TilePen(sheet, 34), t.plant, 1, true);
    hill(TilePen(sheet, 48), t.plant, -1, false);
    hill(TilePen(sheet, 49), t.plant, 0, false);
    hill(TilePen(sheet, 50), t.plant, 1, false);
}

} // namespace quorled::artwork
