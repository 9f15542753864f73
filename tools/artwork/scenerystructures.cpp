// Built things: doors, jars, ladders and chain, bridge, spikes, waterfall,
// pillar, wood and cloud platforms, clouds, the whale and the red scaffold.

#include "theme.h"

namespace quorled::artwork {
namespace {

void door(TilePen p, Sub s, bool top, bool locked)
{
    for (int y = 0; y < 16; ++y) {
        int x0 = 2, x1 = 13;
        if (top && y < 3) {
            x0 = 5 - y - (y == 2 ? 1 : 0);
            x1 = 15 - x0;
        }
        for (int x = x0; x <= x1; ++x) {
            int slot = s.mid();
            if (x == x0 || x == x1 || (top && y == 0))
                slot = s.dark();
            else if (x == x0 + 1 || (top && y == 1))
                slot = s.light();
            else if ((x - 3) % 3 == 2)
                slot = s.dark();
            p.px(x, y, slot);
        }
    }
    if (top) {
        p.hline(3, 12, 6, s.dark());
        p.hline(4, 11, 5, s.light());
    } else {
        p.hline(3, 12, 8, s.dark());
        p.hline(4, 11, 7, s.light());
        p.hline(1, 14, 15, s.dark());
        p.rect(10, 1, 11, 2, s.light()); // knob
        p.px(11, 2, s.dark());
    }
    if (locked) {
        if (top) {
            p.rect(5, 9, 10, 14, s.light()); // lock plate
            p.frame(5, 9, 10, 14, s.dark());
            p.rect(7, 11, 8, 11, s.dark());
            p.px(7, 12, s.dark());
            p.px(8, 12, s.dark());
            p.px(7, 13, s.dark());
            p.px(8, 13, s.dark());
        } else {
            p.rect(6, 1, 9, 4, s.light());
            p.frame(6, 1, 9, 4, s.dark());
        }
    }
}

// A jar is 14 pixels wide: dark outline, light stripe on the left, shade right.
void jarRow(TilePen& p, Sub s, int y, int x0, int x1)
{
    for (int x = x0; x <= x1; ++x) {
        int slot = s.mid();
        if (x == x0 || x == x1)
            slot = s.dark();
        else if (x == x0 + 2 || x == x0 + 3)
            slot = s.light();
        else if (x == x1 - 2 && y % 2 == 0)
            slot = s.dark();
        p.px(x, y, slot);
    }
}

void jar(TilePen p, Sub s, int part)
{
    if (part == 0) { // top: rim with the opening, neck, shoulders
        p.hline(1, 14, 1, s.dark());
        p.rect(1, 2, 14, 4, s.light());
        p.rect(3, 2, 12, 3, s.dark()); // the opening
        p.vline(0, 2, 4, s.dark());
        p.vline(15, 2, 4, s.dark());
        p.hline(1, 14, 5, s.dark());
        for (int y = 6; y <= 8; ++y)
            jarRow(p, s, y, 3, 12);
        jarRow(p, s, 9, 2, 13);
        for (int y = 10; y < 16; ++y)
            jarRow(p, s, y, 1, 14);
    } else if (part == 1) {
        for (int y = 0; y < 16; ++y)
            jarRow(p, s, y, 1, 14);
    } else {
        for (int y = 0; y < 12; ++y)
            jarRow(p, s, y, 1, 14);
        jarRow(p, s, 12, 2, 13);
        jarRow(p, s, 13, 3, 12);
        p.hline(3, 12, 14, s.dark());
        p.hline(2, 13, 15, s.dark());
    }
}

void smallJar(TilePen p, Sub s)
{
    p.hline(3, 12, 3, s.dark());
    p.rect(3, 4, 12, 5, s.light());
    p.rect(5, 4, 10, 4, s.dark());
    p.vline(2, 4, 5, s.dark());
    p.vline(13, 4, 5, s.dark());
    p.hline(3, 12, 6, s.dark());
    jarRow(p, s, 7, 4, 11);
    jarRow(p, s, 8, 3, 12);
    for (int y = 9; y < 14; ++y)
        jarRow(p, s, y, 2, 13);
    jarRow(p, s, 14, 3, 12);
    p.hline(3, 12, 15, s.dark());
}

void ladder(TilePen p, Sub s)
{
    for (int y = 0; y < 16; ++y) {
        p.px(1, y, s.dark());
        p.px(2, y, s.light());
        p.px(3, y, s.mid());
        p.px(4, y, s.dark());
        p.px(11, y, s.dark());
        p.px(12, y, s.light());
        p.px(13, y, s.mid());
        p.px(14, y, s.dark());
    }
    for (int y = 1; y < 16; y += 4) {
        p.hline(5, 10, y, s.light());
        p.hline(5, 10, y + 1, s.dark());
    }
}

void chain(TilePen p, Sub s)
{
    // an open oval link face-on (rows 0..8), then a link seen edge-on
    p.art({"......KKKK......",
           ".....KLLLMK.....",
           "....KLK..KMK....",
           "....KLK..KMK....",
           "....KLK..KMK....",
           "....KLK..KMK....",
           "....KLK..KMK....",
           ".....KLLMMK.....",
           "......KKKK......",
           ".......KK.......",
           "......KLMK......",
           "......KLMK......",
           "......KLMK......",
           "......KLMK......",
           "......KLMK......",
           ".......KK......."},
          keys(s));
}

void metalLadder(TilePen p, Sub s)
{
    for (int y = 0; y < 16; ++y) {
        p.px(3, y, s.light());
        p.px(4, y, s.dark());
        p.px(11, y, s.light());
        p.px(12, y, s.dark());
    }
    for (int y = 3; y < 16; y += 8) {
        p.hline(5, 10, y, s.light());
        p.hline(5, 10, y + 1, s.mid());
    }
}

void bridge(TilePen p, Sub s, Sub rope)
{
    for (int x = 0; x < 16; ++x) {
        p.px(x, 3, rope.light());
        p.px(x, 4, rope.dark());
    }
    for (int x = 3; x < 16; x += 8)
        p.rect(x, 5, x, 6, rope.dark());
    for (int x = 0; x < 16; ++x) {
        const bool gap = x % 4 == 3;
        p.px(x, 7, gap ? s.dark() : s.light());
        p.rect(x, 8, x, 11, gap ? s.dark() : s.mid());
        p.px(x, 12, s.dark());
    }
}

void spikes(TilePen p, Sub s)
{
    for (int x = 0; x < 16; ++x) {
        const int d = x % 8; // 0..7 within a spike, tip at 3/4
        const int dist = d < 4 ? 3 - d : d - 4;
        const int first = 1 + 3 * dist;
        for (int y = first; y < 12; ++y)
            p.px(x, y, y == first || d == 0 || d == 7 ? s.dark() : (d < 4 ? s.light() : s.mid()));
    }
    p.rect(0, 12, 15, 15, s.mid());
    p.hline(0, 15, 12, s.light());
    p.hline(0, 15, 15, s.dark());
    for (int x = 3; x < 16; x += 8)
        p.px(x, 14, s.dark());
}

void waterfall(TilePen p, Sub s, bool top, bool clearWater)
{
    // clearWater: no blue in the palette, so the water takes the sky colour
    const int body = clearWater ? s.bg() : s.mid();
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const int phase = static_cast<int>(noise(x / 2, 0, 20) % 16);
            p.px(x, y, ((y + phase) % 8 < 3 && x % 2 == 0) ? s.light() : body);
        }
    if (top) {
        p.rect(0, 0, 15, 2, s.light());
        for (int x = 0; x < 16; ++x)
            if ((x + 1) % 4 < 2)
                p.px(x, 3, s.light());
        p.hline(0, 15, 0, s.dark());
    }
}

void pillar(TilePen p, Sub s, bool top)
{
    for (int y = 0; y < 16; ++y) {
        p.px(3, y, s.dark());
        p.px(12, y, s.dark());
        for (int x = 4; x <= 11; ++x)
            p.px(x, y, (x == 4 || x == 7 || x == 10) ? s.light() : (x == 6 || x == 9) ? s.dark() : s.mid());
    }
    if (top) {
        p.rect(0, 0, 15, 4, s.mid());
        p.hline(0, 15, 0, s.dark());
        p.hline(0, 15, 1, s.light());
        p.hline(0, 15, 4, s.dark());
        p.vline(0, 0, 4, s.dark());
        p.vline(15, 0, 4, s.dark());
        p.rect(2, 5, 13, 6, s.light());
        p.hline(2, 13, 7, s.dark());
    }
}

void logPlatform(TilePen p, Sub s, int edge)
{
    for (int x = 0; x < 16; ++x) {
        p.px(x, 0, s.dark());
        p.px(x, 1, s.light());
        p.rect(x, 2, x, 8, s.mid());
        p.px(x, 9, s.dark());
        if ((x + 2) % 8 < 5)
            p.px(x, 5, s.dark());
        if ((x + 6) % 8 < 3)
            p.px(x, 3, s.light());
    }
    if (edge != 0) {
        // rounded log end with year rings
        for (int y = 0; y <= 9; ++y)
            for (int x = 0; x < 6; ++x) {
                const int dx = 5 - x, dy = 2 * y - 9;
                const int r = dx * dx * 4 + dy * dy;
                int slot = -1;
                if (r > 100)
                    slot = s.bg();
                else if (r > 70)
                    slot = s.dark();
                else
                    slot = (r / 16) % 2 ? s.light() : s.mid();
                p.px(x, y, slot);
            }
        if (edge == 1)
            p.mirror();
    }
}

void cloudPlatform(TilePen p, Sub s, int edge)
{
    for (int x = 0; x < 16; ++x) {
        const int d = x % 8;
        const int bump = (d == 0 || d == 7) ? 2 : (d == 1 || d == 6) ? 1 : 0;
        p.px(x, bump, s.dark());
        for (int y = bump + 1; y <= 9; ++y)
            p.px(x, y, y >= 7 ? s.mid() : s.light());
        p.px(x, 10, s.dark());
    }
    if (edge != 0) {
        for (int y = 0; y <= 10; ++y)
            for (int x = 0; x < 5; ++x) {
                const int dx = 5 - x, dy = 2 * y - 10;
                const int r = dx * dx * 4 + dy * dy;
                if (r > 100)
                    p.px(x, y, s.bg());
                else if (r > 72)
                    p.px(x, y, s.dark());
            }
        if (edge == 1)
            p.mirror();
    }
}

// Dark fill: the whale's back, the inside of a dark entrance, deep ground.
void whaleSkin(TilePen p, Sub s)
{
    p.fill(s.dark());
    for (int y = 0; y < 16; y += 4)
        for (int x = (y % 8 == 0 ? 0 : 4); x < 16; x += 8)
            p.px(x + 1, y + 1, s.mid());
}

void scaffold(TilePen p, Sub s, int kind) // 0 left edge, 1 / 2 pair, 3 right edge
{
    p.rect(0, 0, 15, 2, s.mid());
    p.hline(0, 15, 0, s.light());
    p.hline(0, 15, 2, s.dark());
    const int post = (kind == 0 || kind == 1) ? 0 : 12;
    p.rect(post, 0, post + 3, 15, s.mid());
    p.vline(post, 0, 15, s.light());
    p.vline(post + 3, 3, 15, s.dark());
    if (kind == 1 || kind == 2)
        for (int i = 0; i < 12; ++i) {
            const int x = kind == 1 ? 4 + i : 11 - i;
            p.px(x, 3 + i, s.mid());
            p.px(x, 4 + i, s.dark());
        }
    if (kind == 0)
        p.vline(0, 0, 15, s.dark());
    if (kind == 3)
        p.vline(15, 0, 15, s.dark());
}

} // namespace

void drawStructures(SlotSheet& sheet, const Theme& t)
{
    const Sub doorSub = t.wood;
    const Sub lockSub = t.land == Land::Ice ? t.sky : t.red;
    door(TilePen(sheet, 0), doorSub, true, false);
    door(TilePen(sheet, 16), doorSub, false, false);
    door(TilePen(sheet, 12), lockSub, true, true);
    door(TilePen(sheet, 28), lockSub, false, true);
    const Sub jarSub{12};
    jar(TilePen(sheet, 11), jarSub, 0);
    jar(TilePen(sheet, 13), jarSub, 1);
    jar(TilePen(sheet, 27), jarSub, 2);
    smallJar(TilePen(sheet, 29), jarSub);
    ladder(TilePen(sheet, 25), t.wood);
    chain(TilePen(sheet, 63), t.sky);
    metalLadder(TilePen(sheet, 69), t.sky);
    bridge(TilePen(sheet, 30), t.wood, t.land == Land::Ice ? t.sky : t.wood);
    spikes(TilePen(sheet, 31), t.sky);
    waterfall(TilePen(sheet, 20), t.sky, true, t.land == Land::Desert);
    waterfall(TilePen(sheet, 23), t.sky, false, t.land == Land::Desert);
    pillar(TilePen(sheet, 36), t.red, true);
    pillar(TilePen(sheet, 52), t.red, false);
    logPlatform(TilePen(sheet, 4), t.red, -1);
    logPlatform(TilePen(sheet, 5), t.red, 0);
    logPlatform(TilePen(sheet, 6), t.red, 1);
    cloudPlatform(TilePen(sheet, 7), t.sky, -1);
    cloudPlatform(TilePen(sheet, 8), t.sky, 0);
    cloudPlatform(TilePen(sheet, 9), t.sky, 1);
    TilePen(sheet, 1).art({"................", "................", "................", "......KKKK......",
                           ".....KLLLLK.....", "..KKKLLLLLLK.KKK", ".KLLLLLLLLLLKLLL", "KLLLLLLLLLLLLLLL",
                           "KLLLLLLLLLLLLLLL", "KLLLLLLLLLLLLLLL", "KMLLLLLLLLLLLLLL", ".KMMLLLLLLLLMMLL",
                           "..KKMMMMMMMMKKMM", "....KKKKKKKK..KK", "................", "................"},
                          keys(t.sky));
    {
        TilePen p(sheet, 2);
        p.copyFrom(1);
        p.mirror();
    }
    TilePen(sheet, 10).art({"................", "................", "................", "................",
                            "......KKK.......", "....KKLLLKKK....", "...KLLLLLLLLK...", "..KLLLLLLLLLLK..",
                            ".KLLLLLLLLLLLLK.", ".KLLLLLLLLLLLLK.", ".KMLLLLLLLLLMMK.", "..KMMMLLLMMMMK..",
                            "...KKKMMMKKKK...", "......KKK.......", "................", "................"},
                           keys(t.sky));
    whaleSkin(TilePen(sheet, 60), t.sky);
    {
        TilePen p(sheet, 46); // whale body: grooved belly
        p.fill(t.sky.mid());
        for (int y = 1; y < 16; y += 4)
            p.hline(0, 15, y, t.sky.light());
    }
    {
        TilePen p(sheet, 79); // whale eye on the skin
        whaleSkin(p, t.sky);
        p.art({"................", "................", "................", "....KKKKKK......",
               "...KLLLLLLK.....", "..KLLLLKKLLK....", "..KLLLKKKKLK....", "..KLLLKKKKLK....",
               "...KLLLKKLK.....", "....KKKKKK......"},
              keys(t.sky));
    }
    scaffold(TilePen(sheet, 64), t.red, 0);
    scaffold(TilePen(sheet, 65), t.red, 1);
    scaffold(TilePen(sheet, 66), t.red, 2);
    scaffold(TilePen(sheet, 68), t.red, 3);
}

} // namespace quorled::artwork
