// Door links, the problem rules, search and statistics over hand-made
// areas, and the demo images' doors and problems.
#include "core/forms/areamapgeometry.h"
#include "core/workbench/areasearch.h"
#include "core/workbench/doorlinks.h"
#include "core/workbench/gameareapass.h"
#include "core/workbench/gameoverview.h"
#include "core/workbench/gamestats.h"
#include "core/workbench/maplinks.h"
#include "core/workbench/problemrules.h"

#include "romdata/areadirectory.h"
#include "romdata/demo/demoimage.h"
#include "romdata/romimage.h"
#include "support/syntheticgraphics.h"
#include "view/catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <tuple>

namespace quorled {
namespace {

using testing::horizontalArea;
using testing::normalObject;
using testing::specialObject;

constexpr int kDoor = 0x0A;

// 210 one-page areas of their own data with generous room; area 0 has ten
// pages, a door to area 1, page 0, and one enemy.
GameAreas cleanGame()
{
    GameAreas game;
    game.directory.worldFirstArea = testing::kUsualWorldFirstArea;
    game.directory.worldFirstArea[8] = 210;
    game.areas.resize(kAreaCount);
    for (int area = 0; area < kAreaCount; ++area) {
        GameArea& a = game.areas[static_cast<std::size_t>(area)];
        AreaModel& model = a.editModel();
        model = horizontalArea();
        model.area = area;
        model.header.setField(17, 4, 0);
        a.room = AreaRoom{0, 400, 1000, 1400};
        game.directory.areaLevelOffset[static_cast<std::size_t>(area)] = 0x10000 + 64L * area;
        game.directory.areaEnemyOffset[static_cast<std::size_t>(area)] = 0x20000 + 64L * area;
    }
    AreaModel& first = game.areas[0].editModel();
    first.header.setField(17, 4, 9);
    first.objects = {normalObject(0x10, 2, 4), normalObject(kDoor, 3, 5), specialObject(5, 0, 5, 0x00, 0x10)};
    first.enemies = {Enemy{0x01, 4, 10}};
    return game;
}

AreaModel& area0(GameAreas& game) { return game.areas[0].editModel(); }

int firstEnemyTypeNamed(const std::function<bool(const std::string&)>& test)
{
    for (int type = 0; type < 256; ++type)
        if (test(Catalogue::instance().enemyTypeName(type)))
            return type;
    return -1;
}

TEST(DoorLinks, PointerBytesGiveLevelSlotAndPage)
{
    struct Case { int byte2, byte3, level, slot, page, area; bool exists; };
    for (const Case c : {Case{0x00, 0x00, 0, 0, 0, 0, true}, Case{0x01, 0x23, 1, 2, 3, 12, true},
                         Case{0x14, 0x9F, 20, 9, 15, 209, true}, Case{0x15, 0x00, 21, 0, 0, 210, false},
                         Case{0x02, 0xA1, 2, 10, 1, 30, false}}) {
        const auto to = pointerDestination(specialObject(5, 0, 3, c.byte2, c.byte3));
        ASSERT_TRUE(to);
        EXPECT_EQ(*to, (DoorDestination{c.level, c.slot, c.page})) << c.byte2 << " " << c.byte3;
        EXPECT_EQ(to->area(), c.area);
        EXPECT_EQ(to->areaExists(), c.exists);
        EXPECT_EQ(pointerBytes(*to), (std::array<int, 2>{c.byte2, c.byte3}));
    }
    EXPECT_FALSE(pointerDestination(specialObject(6, 0, 3, 1, 0x23)));
    EXPECT_FALSE(pointerDestination(normalObject(kDoor, 0, 0)));
}

TEST(DoorLinks, TextNamesTheAreaAndPage)
{
    AreaDirectory directory;
    EXPECT_EQ(destinationText({1, 1, 3}, directory), "→ area 0B, 1-2, underground, page 3");
    EXPECT_EQ(destinationText({2, 1, 0}, directory), "→ area 15, 1-3, key room, page 0");
    EXPECT_EQ(destinationText({22, 1, 0}, directory), "→ level 16, slot 01 (no such area), page 0");
}

TEST(DoorLinks, EachPointerWithTheDoorBeforeIt)
{
    AreaModel m = horizontalArea({normalObject(kDoor, 3, 5), specialObject(5, 0, 5, 1, 0x20),
                                  normalObject(0x10, 1, 1), specialObject(5, 1, 2, 2, 0x00)});
    EXPECT_EQ(doorLinks(m), (std::vector<DoorLink>{{1, 2, {1, 2, 0}}, {0, 4, {2, 0, 0}}}));
    EXPECT_EQ(linkOfObject(m, 1)->pointer, 2);
    EXPECT_EQ(linkOfObject(m, 2)->door, 1);
    EXPECT_FALSE(linkOfObject(m, 3));
}

TEST(ProblemRules, CleanGameHasNone)
{
    EXPECT_EQ(checkGame(cleanGame()), std::vector<Problem>{});
}

TEST(ProblemRules, EveryRuleCatchesItsFault)
{
    const int crashType = firstEnemyTypeNamed([](const std::string& n) { return n.find("crash") != std::string::npos; });
    const int unnamedType = firstEnemyTypeNamed([](const std::string& n) { return n == "???"; });
    ASSERT_GE(crashType, 0);
    ASSERT_GE(unnamedType, 0);
    struct Case {
        const char* rule;
        std::function<void(GameAreas&)> spoil;
        int area;
        ProblemItem item;
        int index;
    };
    const std::vector<Case> cases{
        {"damaged-data", [](GameAreas& g) { area0(g).damage = {"area 00: level data runs past the end"}; }, 0,
         ProblemItem::None, 0},
        {"data-too-large", [](GameAreas& g) { g.areas[0].room = AreaRoom{0, 6, 1000, 1400}; }, 0, ProblemItem::None, 0},
        {"data-too-large", [](GameAreas& g) { g.areas[0].room = AreaRoom{0, 400, 1000, 1001}; }, 0,
         ProblemItem::None, 0},
        {"crowded-enemy-page",
         [](GameAreas& g) {
             for (int i = 0; i <= kMaxEnemiesPerPage; ++i)
                 area0(g).enemies.push_back(Enemy{0x01, 32 + i % 16, 3});
         },
         0, ProblemItem::Enemy, 2},
        {"past-area-length", [](GameAreas& g) { area0(g).header.setField(17, 4, 1); area0(g).objects[0].x = 40; }, 0,
         ProblemItem::Object, 1},
        {"past-area-length", [](GameAreas& g) { area0(g).header.setField(17, 4, 0); area0(g).enemies[0].x = 16; }, 0,
         ProblemItem::Enemy, 1},
        {"bad-destination", [](GameAreas& g) { area0(g).objects[2].param = {21, 0x00}; }, 0, ProblemItem::Object, 3},
        {"bad-destination", [](GameAreas& g) { area0(g).objects[2].param = {0, 0xA0}; }, 0, ProblemItem::Object, 3},
        {"bad-destination", [](GameAreas& g) { area0(g).objects[2].param = {0, 0x11}; }, 0, ProblemItem::Object, 3},
        {"world-table", [](GameAreas& g) { g.directory.worldFirstArea[3] = 20; }, -1, ProblemItem::None, 0},
        {"world-table", [](GameAreas& g) { g.directory.worldFirstArea[8] = 220; }, -1, ProblemItem::None, 0},
        {"risky-enemy", [crashType](GameAreas& g) { area0(g).enemies[0].type = crashType; }, 0, ProblemItem::Enemy, 1},
        {"risky-enemy", [unnamedType](GameAreas& g) { area0(g).enemies[0].type = unnamedType; }, 0, ProblemItem::Enemy,
         1},
        {"door-without-pointer", [](GameAreas& g) { area0(g).objects.pop_back(); }, 0, ProblemItem::Object, 2},
        {"door-without-pointer", [](GameAreas& g) { area0(g).objects[2] = normalObject(0x10, 4, 5); }, 0,
         ProblemItem::Object, 2},
        {"star-background-row", [](GameAreas& g) { area0(g).objects[0].type = 0x0E; }, 0, ProblemItem::Object, 1},
        {"idle-special-object", [](GameAreas& g) { area0(g).objects.push_back(specialObject(9, 1, 14, 0)); }, 0,
         ProblemItem::Object, 4},
        {"shared-data", [](GameAreas& g) { g.directory.areaEnemyOffset[5] = g.directory.areaEnemyOffset[4]; }, 4,
         ProblemItem::None, 0},
    };
    for (const Case& c : cases) {
        GameAreas game = cleanGame();
        c.spoil(game);
        const std::vector<Problem> problems = checkGame(game);
        const auto found = std::find_if(problems.begin(), problems.end(),
                                        [&](const Problem& p) { return p.rule == c.rule; });
        ASSERT_NE(found, problems.end()) << c.rule;
        const Problem& p = *found;
        EXPECT_EQ(p.area, c.area) << c.rule;
        EXPECT_EQ(p.item, c.item) << c.rule;
        EXPECT_EQ(p.index, c.index) << c.rule;
        EXPECT_FALSE(p.text.empty());
    }
    // Every rule of the table is caught above.
    for (const ProblemRule& rule : problemRules())
        EXPECT_TRUE(std::any_of(cases.begin(), cases.end(), [&](const Case& c) { return c.rule == std::string(rule.id); }))
            << rule.id;
}

TEST(MapLinks, DoorsAndPointersSayWhereTheyLead)
{
    const GameAreas game = cleanGame();
    const AreaModel& a = game.areas[0].model();
    const std::string to = destinationText(DoorDestination{0, 1, 0}, game.directory);
    EXPECT_EQ(mapLinkText(a, game.directory, 2), "Object 2 " + to);
    EXPECT_EQ(mapLinkText(a, game.directory, 3), "Object 3 " + to);
    for (const int index : {0, 1, 4})
        EXPECT_EQ(mapLinkText(a, game.directory, index), "") << index;
    // Pointed at on the map, at full size and at a quarter.
    const ViewState view;
    for (const int zoom : {AreaMapGeometry::kFullSize, 2}) {
        const AreaMapGeometry geometry(a, zoom);
        const auto at = [&](int column, int row) {
            const MapCell cell = geometry.cellAt((16 * column + 8) * zoom / 8, (16 * row + 8) * zoom / 8);
            EXPECT_EQ(cell, (MapCell{column, row}));
            return mapLinkTextAt(a, view, game.directory, cell.column, cell.row);
        };
        EXPECT_EQ(at(3, 5), "Object 2 " + to) << zoom;
        EXPECT_EQ(at(9, 12), "") << zoom;
    }
}

TEST(ProblemRules, DamageNotesBecomeSentencesWithoutTheirAreaName)
{
    GameAreas game = cleanGame();
    game.areas[10].editModel().damage = {"area 0A: level data runs past the end of the file",
                                   "the enemy data pointer $8100 lies outside the file."};
    const std::vector<Problem> problems = checkArea(game, 10);
    ASSERT_GE(problems.size(), 2u);
    EXPECT_EQ(problems[0].text, "Level data runs past the end of the file.");
    EXPECT_EQ(problems[1].text, "The enemy data pointer $8100 lies outside the file.");
}

TEST(ProblemRules, StarBackgroundOnTopRowAndAFullEnemyPageAreFine)
{
    GameAreas game = cleanGame();
    area0(game).objects[0] = normalObject(0x0E, 2, 0);
    for (int i = 1; i < kMaxEnemiesPerPage; ++i)
        area0(game).enemies.push_back(Enemy{0x01, i % 16, 3});
    EXPECT_EQ(checkGame(game), std::vector<Problem>{});
}

TEST(AreaSearch, QueriesAreReadAsTypesOrNameText)
{
    using K = SearchQuery::Kind;
    struct Case { const char* text; bool valid; K kind; int type; const char* words; };
    for (const Case c : {Case{"enemy 01", true, K::EnemyType, 1, ""}, Case{"Object 1a", true, K::ObjectType, 0x1A, ""},
                         Case{"  Cloud ", true, K::Text, 0, "cloud"}, Case{"enemy", true, K::Text, 0, "enemy"},
                         Case{"enemy zz", true, K::Text, 0, "enemy zz"}, Case{"enemy 100", false, K::Text, 0, ""},
                         Case{"   ", false, K::Text, 0, ""}}) {
        const auto q = parseSearchQuery(c.text);
        ASSERT_EQ(q.has_value(), c.valid) << c.text;
        if (!q)
            continue;
        EXPECT_EQ(q->kind, c.kind) << c.text;
        EXPECT_EQ(q->type, c.type) << c.text;
        EXPECT_EQ(q->text, c.words) << c.text;
    }
}

TEST(AreaSearch, FindsItemsInEveryAreaByTypeAndName)
{
    GameAreas game = cleanGame();
    game.areas[7].editModel().objects = {normalObject(0x11, 5, 6), normalObject(0x10, 9, 1)};
    game.areas[7].editModel().enemies = {Enemy{0x01, 1, 2}, Enemy{0x02, 3, 4}};
    const auto find = [&](const char* q) { return findItems(game, *parseSearchQuery(q)); };
    const auto clouds = find("cloud");
    ASSERT_EQ(clouds.size(), 3u); // two "Cloud", one "Small cloud"
    EXPECT_EQ(clouds[0], (SearchHit{0, ProblemItem::Object, 1, 2, 4, "Cloud"}));
    EXPECT_EQ(clouds[1], (SearchHit{7, ProblemItem::Object, 1, 5, 6, "Small cloud"}));
    EXPECT_EQ(find("object 10").size(), 2u);
    const auto ones = find("enemy 01");
    ASSERT_EQ(ones.size(), 2u);
    EXPECT_EQ(ones[1].area, 7);
    EXPECT_EQ(ones[1].item, ProblemItem::Enemy);
    EXPECT_EQ(find("object 0A").size(), 1u);
    EXPECT_TRUE(find("no such thing here").empty());
}

TEST(GameStatsTest, CountsByAreaAndWorldAndSharedDataOnce)
{
    GameAreas game = cleanGame();
    game.areas[31].editModel().enemies = {Enemy{0x01, 1, 1}, Enemy{0x01, 2, 1}};
    game.directory.areaLevelOffset[32] = game.directory.areaLevelOffset[31];
    game.areas[32] = game.areas[31];
    const GameStats stats = gameStats(game, 3);
    ASSERT_EQ(stats.areas.size(), 210u);
    EXPECT_EQ(stats.areas[0].counts.objects, 3);
    EXPECT_EQ(stats.areas[0].counts.enemies, 1);
    EXPECT_TRUE(stats.areas[0].measured);
    EXPECT_EQ(stats.areas[0].counts.levelRoom, 400);
    EXPECT_EQ(stats.areas[0].counts.enemyRoom, 400);
    EXPECT_EQ(stats.areas[32].world, 2);
    EXPECT_EQ(stats.areas[32].counts.enemies, 2);
    EXPECT_EQ(stats.worlds[0].objects, 3);
    EXPECT_EQ(stats.worlds[1].enemies, 2); // area 32 repeats area 31
    EXPECT_EQ(stats.total.enemies, 3);
    ASSERT_FALSE(stats.topEnemies.empty());
    EXPECT_EQ(stats.topEnemies[0], (TypeUse{true, 1, Catalogue::instance().enemyTypeName(1), 3}));
    EXPECT_LE(stats.topObjects.size(), 3u);
}

class DemoImageAreas : public ::testing::TestWithParam<ImageKind> {};

TEST_P(DemoImageAreas, HaveNoErrorsAndEveryDoorLeadsToARealPage)
{
    const RomImage ines = RomImage::fromBytes(buildDemoImage(ImageKind::Ines));
    const RomImage image = RomImage::fromBytes(buildDemoImage(GetParam()));
    const DiskImageOffsets disk = diskOffsetsFromReference(ines);
    const GameAreas game =
        loadGameAreas(image, buildAreaDirectory(image, GetParam(), GetParam() == ImageKind::Fds ? &disk : nullptr),
                      GetParam());
    for (const Problem& p : checkGame(game))
        EXPECT_NE(p.severity, Severity::Error) << p.area << ": " << p.text;

    // The overview draws one arrow per pointer, to the area its bytes name.
    const std::vector<OverviewArrow> arrows = overviewArrows(game, overviewLayout(game));
    std::size_t next = 0;
    int pointers = 0;
    for (int area = 0; area < kAreaCount; ++area)
        for (const DoorLink& link : doorLinks(game.model(area))) {
            ++pointers;
            EXPECT_NE(link.door, 0) << area;
            ASSERT_LT(next, arrows.size());
            const LevelObject& pointer = game.model(area).object(link.pointer);
            EXPECT_EQ(arrows[next].fromArea, area);
            EXPECT_EQ(arrows[next].toArea, 10 * pointer.param[0] + pointer.param[1] / 16);
            EXPECT_LT(link.to.page, game.pages(link.to.area()));
            ++next;
        }
    EXPECT_EQ(next, arrows.size());
    EXPECT_GT(pointers, 150);
}

INSTANTIATE_TEST_SUITE_P(AllKinds, DemoImageAreas,
                         ::testing::Values(ImageKind::Ines, ImageKind::Snes, ImageKind::Fds));

} // namespace
} // namespace quorled

namespace quorled {
namespace {

// Each pixel of the shrunk picture is the channel average of its block, the
// blocks at the right and bottom edges cut short.
TEST(ShrinkPicture, AveragesEachBlockByChannel)
{
    struct Size {
        int width, height, step;
    };
    std::mt19937 random(7);
    for (const Size size : {Size{256, 240, 4}, Size{250, 239, 7}, Size{1, 1, 4}, Size{17, 3, 16}, Size{33, 40, 1}}) {
        Picture map(size.width, size.height);
        for (std::uint32_t& pixel : map.pixels())
            pixel = random() & 0xFFFFFFu;
        BlockAverager whole(size.width, size.height, size.step);
        whole.add(map, size.width, size.height, 0, 0);
        const Picture thumb = whole.result();
        ASSERT_EQ(thumb.width(), (size.width + size.step - 1) / size.step);
        ASSERT_EQ(thumb.height(), (size.height + size.step - 1) / size.step);
        for (int ty = 0; ty < thumb.height(); ++ty)
            for (int tx = 0; tx < thumb.width(); ++tx) {
                std::uint32_t sums[3] = {0, 0, 0}, n = 0;
                for (int y = ty * size.step; y < std::min((ty + 1) * size.step, size.height); ++y)
                    for (int x = tx * size.step; x < std::min((tx + 1) * size.step, size.width); ++x, ++n)
                        for (int channel = 0; channel < 3; ++channel)
                            sums[channel] += (map.pixel(x, y) >> (16 - 8 * channel)) & 0xFF;
                const std::uint32_t expected = (sums[0] / n) << 16 | (sums[1] / n) << 8 | sums[2] / n;
                ASSERT_EQ(thumb.pixel(tx, ty), expected) << size.width << "x" << size.height << " step " << size.step;
            }
        // Handed over in parts, as the pages of a map are: three columns of
        // parts over two rows, cut where no block edge falls.
        BlockAverager parts(size.width, size.height, size.step);
        const int across[] = {0, size.width / 3, size.width / 3 + size.width / 2, size.width};
        const int down[] = {0, size.height / 2, size.height};
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 2; ++j) {
                const int w = across[i + 1] - across[i], h = down[j + 1] - down[j];
                Picture part(std::max(w, 1) + 5, std::max(h, 1)); // wider than what is handed over
                for (int y = 0; y < h; ++y)
                    for (int x = 0; x < w; ++x)
                        part.setPixel(x, y, map.pixel(across[i] + x, down[j] + y));
                parts.add(part, w, h, across[i], down[j]);
            }
        EXPECT_EQ(parts.result().pixels(), thumb.pixels()) << size.width << "x" << size.height;
    }
}

// The overview put together from cells found one area at a time is the one
// drawn from all areas loaded at once.
TEST(OverviewCells, ComposeTheOverviewOfTheWholeLoad)
{
    const RomImage image = RomImage::fromBytes(buildDemoImage(ImageKind::Ines));
    const AreaDirectory directory = buildAreaDirectory(image, ImageKind::Ines);
    const GameAreas whole = loadGameAreas(image, directory, ImageKind::Ines);
    const OverviewLayout layout = overviewLayout(gameAreaHeads(image, directory, ImageKind::Ines));
    ThumbnailPainter painter(testing::syntheticGraphics(), PaletteTables());
    std::vector<OverviewCell> cells(kAreaCount);
    forEachGameArea(image, directory, ImageKind::Ines, [&](const GameAreas& game, int area) {
        cells[static_cast<std::size_t>(area)] = overviewCell(painter, game, area, layout);
    });
    const std::vector<OverviewMarks> marks = overviewMarks(whole, checkGame(whole));
    const std::vector<OverviewArrow> arrows = overviewArrows(whole, overviewLayout(whole));
    std::size_t next = 0;
    for (int area = 0; area < kAreaCount; ++area) {
        const OverviewCell& cell = cells[static_cast<std::size_t>(area)];
        const OverviewMarks& m = marks[static_cast<std::size_t>(area)];
        EXPECT_EQ(std::tie(cell.marks.edited, cell.marks.damaged, cell.marks.shared, cell.marks.errors, cell.marks.warnings),
                  std::tie(m.edited, m.damaged, m.shared, m.errors, m.warnings))
            << area;
        for (const OverviewArrow& a : cell.arrows) {
            ASSERT_LT(next, arrows.size());
            EXPECT_EQ(std::tie(a.fromArea, a.toArea, a.x1, a.y1, a.x2, a.y2),
                      std::tie(arrows[next].fromArea, arrows[next].toArea, arrows[next].x1, arrows[next].y1,
                               arrows[next].x2, arrows[next].y2));
            ++next;
        }
        if (area % 10 == 0) {
            EXPECT_EQ(cell.thumbnail.pixels(),
                      ThumbnailPainter(testing::syntheticGraphics(), PaletteTables()).thumbnail(whole, area).pixels())
                << area;
        }
    }
    EXPECT_EQ(next, arrows.size());
    EXPECT_GT(arrows.size(), 0u);
}

} // namespace
} // namespace quorled
