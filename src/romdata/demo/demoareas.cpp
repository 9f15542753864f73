// The demo world: 21 levels in 7 worlds of our own design, one level
// after the other in the game's area slots and named as the area directory
// names them. Each world has its own object set (the world number for
// outdoor areas, eight more for the shafts and rooms inside), palettes and
// bosses.
//
// - "beginning", "main part", "part N", "outside part": horizontal areas of
//   3 to 8 pages on ground 4 rows deep, filled page by page with set pieces
//   (a bridged pit, spikes under blocks, platforms with cherries, a brick
//   column and ladder, herbs, a jar with vines, a green hill, floating
//   platforms, a waterfall, bombable rocks, scenery, a whale in world 4),
//   one enemy or two a page, a door at the end that leads on. Every third
//   one has a second layer of clouds; some change the ground type.
// - "underground", "upwards part", odd-numbered "indoors" parts: vertical
//   shafts between two walls, with ledges, ladders, chains and a dark
//   entrance on the floor of the last page.
// - boss areas: two pages with the level's boss, the crystal ball and the
//   way out; boss rooms: one page with the world's boss.
// - jars, bonus rooms and key rooms: one page each.
// - unused slots share the area before them; all of 7-3 is one small test
//   room, which lies at the offsets the directory publishes for area 209.
#include "demoareas.h"

#include "../areanames.h"
#include "demopieces.h"

#include <string>

namespace quorled {

namespace {

bool has(const std::string& name, const char* word) { return name.find(word) != std::string::npos; }
bool isUnused(int area) { return has(areaNames()[static_cast<std::size_t>(area)], "unused"); }

struct Slot {
    int area;
    int world;
    std::string name;
    int nextArea; // where the area's exit leads
};

constexpr int kWorldBoss[7] = {0x1D, 0x1F, 0x1D, 0x2A, 0x21, 0x1F, 0x2C};
constexpr int kBossShot[7] = {0x1E, 0x20, 0x22, 0x27, 0x1E, 0x20, 0x11};
constexpr int kExitDoor[7] = {0x0A, 0x1C, 0x0A, 0x15, 0x0A, 0x1D, 0x0A};

DemoHeader outdoorHeader(const Slot& s, int pages)
{
    DemoHeader h;
    h.horizontal = true;
    h.levelPalette = 0;
    h.enemyPalette = s.world % 3;
    h.groundSetting = 1;
    h.pages = pages;
    h.objectSet = s.world;
    return h;
}

DemoHeader indoorHeader(const Slot& s, int pages, bool horizontal, int palette, int music)
{
    DemoHeader h;
    h.horizontal = horizontal;
    h.levelPalette = palette;
    h.enemyPalette = (s.world + 1) % 3;
    h.groundSetting = 1;
    h.pages = pages;
    h.objectSet = s.world + 8;
    h.groundType = 1;
    h.music = music;
    return h;
}

DemoAreaWriter stage(const Slot& s, DemoPieces& pieces, int pages, bool toBoss)
{
    DemoAreaWriter w(outdoorHeader(s, pages));
    const int g = 11;
    w.object(0, g - 1, 2, s.world == 1 ? 0x17 : 0x16);
    w.enemy(pieces.groundEnemy(), 10, g - 1);
    for (int page = 1; page < pages - 1; ++page)
        pieces.horizontalPage(w, page, g, s.world, s.area);
    const int last = pages - 1;
    if (toBoss) {
        w.door(last, g - 2, 12, 0x09, s.nextArea, 0);
        w.enemy(0x43, last * 16 + 14, g - 3);
    } else {
        w.door(last, g - 2, 12, kExitDoor[s.world], s.nextArea, 0);
    }
    w.object(last, g - 1, 4, pieces.herb());
    w.enemy(pieces.groundEnemy(), last * 16 + 7, g - 1);
    if (pages >= 5 && s.area % 2) {
        w.groundFrom(last - 1, 8, 0);
        w.groundType(last - 1, 4);
    }
    if (s.area % 3 == 0) {
        w.nextLayer();
        pieces.skyLayer(w, s.world);
    }
    return w;
}

DemoAreaWriter skyStage(const Slot& s, DemoPieces& pieces, int pages)
{
    DemoHeader h = outdoorHeader(s, pages);
    h.groundSetting = 8;
    DemoAreaWriter w(h);
    for (int page = 0; page < pages; ++page) {
        w.object(page, 9, 2, pieces.sized(0xE0, 5));
        w.object(page, 6, 9, pieces.sized(0xD0, 4));
        w.enemy(pieces.airEnemy(), page * 16 + 8, 3);
        w.enemy(pieces.groundEnemy(), page * 16 + 10, 5);
    }
    w.groundFrom(pages - 1, 10, 1);
    w.door(pages - 1, 9, 13, 0x0A, s.nextArea, 0);
    return w;
}

DemoAreaWriter shaft(const Slot& s, DemoPieces& pieces, int pages, int music)
{
    DemoAreaWriter w(indoorHeader(s, pages, false, music == 1 ? 1 : 2, music));
    w.object(0, 1, 7, 0x12);
    for (int page = 0; page < pages; ++page)
        pieces.verticalPage(w, page, s.world, s.area);
    const int last = pages - 1;
    w.door(last, 11, 7, s.area % 2 ? 0x0B : 0x14, s.nextArea, 0);
    w.groundFrom(last, 13, 0);
    return w;
}

DemoAreaWriter castleHall(const Slot& s, DemoPieces& pieces, int pages)
{
    DemoHeader h = indoorHeader(s, pages, true, 2, 1);
    h.groundSetting = 0;
    DemoAreaWriter w(h);
    const int g = 13;
    w.door(0, g - 2, 1, 0x13, s.area - 1, 0);
    for (int page = 0; page < pages; ++page) {
        w.object(page, 3, 4, 0x18);
        w.object(page, g - 1, 12, 0x2F);
        w.object(page, g - 2, 12, 0x2F);
        w.object(page, 6, 6, pieces.sized(0x30, 5));
        w.enemy(pieces.groundEnemy(), page * 16 + 9, g - 1);
    }
    w.door(pages - 1, g - 2, 14, 0x14, s.nextArea, 0);
    return w;
}

DemoAreaWriter bossArea(const Slot& s, DemoPieces& pieces, bool worldBoss)
{
    DemoAreaWriter w(indoorHeader(s, worldBoss ? 1 : 2, true, 5, s.world == 6 && worldBoss ? 3 : 2));
    const int g = 11;
    if (worldBoss) {
        w.object(0, 4, 0, 0x19);
        w.object(0, g - 4, 3, pieces.sized(0x30, 3));
        w.object(0, g - 4, 10, pieces.sized(0x30, 3));
        w.enemy(kWorldBoss[s.world], 8, g - 3);
        w.enemy(kBossShot[s.world], 5, g - 1);
        if (s.world == 3)
            w.enemy(0x2B, 12, g - 2);
        if (s.world == 6) {
            w.object(0, g - 2, 12, 0x1A);
            w.enemy(0x4A, 13, 0);
        }
        w.enemy(s.world % 2 ? 0x2D : 0x42, 14, g - 3);
        return w;
    }
    w.object(0, g - 3, 10, s.world == 1 ? 0x1E : 0x1F);
    w.object(0, g - 1, 3, pieces.sized(0x90, 3));
    w.enemy(pieces.item(), 4, g - 1);
    w.object(1, g - 4, 2, pieces.sized(0x30, 4));
    w.enemy(0x5C, 16 + 9, g - 2);
    w.enemy(kBossShot[s.world], 16 + 6, g - 1);
    w.enemy(0x44, 16 + 4, g - 5);
    if ((s.area / 10) % 3 == 2)
        w.enemy(0x2D, 16 + 14, g - 3);
    else
        w.door(1, g - 2, 14, s.world % 2 ? 0x1D : 0x1C, s.nextArea, 0);
    return w;
}

DemoAreaWriter jar(const Slot& s, DemoPieces& pieces)
{
    DemoAreaWriter w(indoorHeader(s, 1, false, 4, 1));
    w.object(0, 12, 3, pieces.herb());
    w.object(0, 12, 7, 0x2B);
    w.object(0, 12, 11, pieces.herb());
    w.groundFrom(0, 13, 0);
    w.enemy(pieces.item(), 5, 11);
    w.enemy(s.area % 2 ? 0x18 : 0x15, 9, 11);
    return w;
}

DemoAreaWriter bonusRoom(const Slot& s, DemoPieces& pieces)
{
    DemoAreaWriter w(indoorHeader(s, 1, true, 4, 0));
    const int g = 11;
    w.object(0, g - 1, 2, pieces.sized(0x50, 5));
    w.object(0, g - 1, 9, 0x2D);
    w.object(0, g - 4, 5, pieces.sized(0xD0, 4));
    w.enemy(pieces.item(), 6, g - 5);
    w.enemy(0x12, 11, 3);
    w.enemy(0x41, 12, 5);
    w.enemy(0x3C, 13, g - 2);
    return w;
}

DemoAreaWriter keyRoom(const Slot& s, DemoPieces& pieces)
{
    DemoAreaWriter w(indoorHeader(s, 1, true, 2, 1));
    const int g = 11;
    w.door(0, g - 2, 2, 0x0A, s.area - 1, 0);
    w.object(0, g - 1, 7, pieces.sized(0x30, 2));
    w.object(0, g - 3, 14, 0x2F);
    w.object(0, g - 2, 14, 0x2F);
    w.object(0, g - 1, 14, 0x2F);
    w.enemy(0x3D, 7, g - 2);
    w.enemy(0x17, 7, 1);
    return w;
}

DemoAreaWriter testRoom(const Slot& s)
{
    DemoAreaWriter w(outdoorHeader(s, 1));
    w.object(0, 9, 7, 0x1B);
    w.object(0, 10, 4, 0x05);
    w.enemy(0x01, 10, 10);
    return w;
}

// The first area is small: a fall past two cloud ledges onto a door.
DemoAreaWriter opening(const Slot& s)
{
    DemoAreaWriter w(indoorHeader(s, 2, false, 0, 0));
    w.object(0, 2, 10, 0x10);
    w.object(0, 6, 3, 0xE3);
    w.object(0, 11, 9, 0xE2);
    w.object(1, 9, 3, 0x22);
    w.door(1, 8, 7, 0x0A, s.nextArea, 0);
    w.groundFrom(1, 10, 0);
    w.enemy(0x01, 10, 10);
    w.enemy(0x03, 4, 16 + 9);
    return w;
}

DemoAreaWriter design(const Slot& s, DemoPieces& pieces)
{
    const std::string& n = s.name;
    const int slot = s.area % 10;
    if (s.area == 0)
        return opening(s);
    if (s.area >= 200)
        return testRoom(s);
    if (has(n, "Jar "))
        return jar(s, pieces);
    if (has(n, "key room"))
        return keyRoom(s, pieces);
    if (has(n, "bonus"))
        return bonusRoom(s, pieces);
    if (has(n, "boss room") && !has(n, "entrance"))
        return bossArea(s, pieces, true);
    if (has(n, "Gorlump"))
        return bossArea(s, pieces, true);
    if (has(n, "boss area"))
        return bossArea(s, pieces, (s.area / 10) % 3 == 2);
    if (has(n, "way to the boss") || has(n, "entrance"))
        return stage(s, pieces, 3, true);
    if (has(n, "underground") || has(n, "upwards"))
        return shaft(s, pieces, s.area < 10 ? 2 + slot % 2 : 3 + slot % 2, 1);
    if (has(n, "indoors"))
        return slot % 2 ? shaft(s, pieces, 2, 0) : castleHall(s, pieces, 2);
    if (has(n, "sky"))
        return skyStage(s, pieces, 3);
    if (has(n, "ending")) {
        DemoAreaWriter w = stage(s, pieces, 3, false);
        w.object(1, 9, 2, pieces.sized(0xB0, 12));
        w.object(1, 9, 3, 0x2E);
        return w;
    }
    if (has(n, "main part"))
        return stage(s, pieces, s.area == 2 ? 5 : 6 + slot % 2, false);
    return stage(s, pieces, 4 + s.area % 2, false);
}

} // namespace

std::vector<DemoAreaDesign> designDemoAreas()
{
    DemoPieces pieces;
    std::vector<DemoAreaDesign> designs(kAreaCount);
    for (int area = 0; area < kAreaCount; ++area) {
        DemoAreaDesign& d = designs[static_cast<std::size_t>(area)];
        // Unused slots share the area before them; 7-3 is one room for all.
        if (area % 10 != 0 && isUnused(area)) {
            d.sharesPrevious = true;
            continue;
        }
        int next = area + 1;
        while (next < kAreaCount && isUnused(next) && next % 10 != 0)
            ++next;
        if (next % 10 == 0 || next >= kAreaCount)
            next = (area / 10 + 1) * 10 % kAreaCount;
        const Slot s{area, area / 30, areaNames()[static_cast<std::size_t>(area)], next};
        DemoAreaWriter w = design(s, pieces);
        d.level = w.levelBytes();
        d.enemyPages = w.enemyPages();
        d.endsAtNextArea = area % 4 == 1;
    }
    return designs;
}

} // namespace quorled
