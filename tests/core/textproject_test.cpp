#include "core/exchange/gametables.h"
#include "core/project/areatext.h"
#include "core/project/projectdiff.h"
#include "core/project/sha256.h"
#include "core/project/tabletext.h"
#include "core/project/textlines.h"
#include "romdata/arealoader.h"
#include "romdata/bytes.h"
#include "romdata/levelformat.h"
#include "romdata/relocatingsave.h"
#include "support/demoproject.h"

#include <gtest/gtest.h>

#include <sstream>

namespace quorled {
namespace {

using test::DemoSide;

std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// The files that differ between two projects, and how many lines differ in
// each (files of equal line counts compared line by line).
std::map<std::string, int> changedLines(const ProjectFiles& a, const ProjectFiles& b)
{
    std::map<std::string, int> changed;
    for (const auto& [path, text] : a) {
        if (b.at(path) == text)
            continue;
        const auto x = linesOf(text);
        const auto y = linesOf(b.at(path));
        int count = static_cast<int>(std::max(x.size(), y.size()) - std::min(x.size(), y.size()));
        for (std::size_t i = 0; i < std::min(x.size(), y.size()); ++i)
            count += x[i] != y[i] ? 1 : 0;
        changed[path] = count;
    }
    return changed;
}

// The first area with enemies whose first enemy can move one column right
// without passing the next one, and that enemy moved.
AreaModel areaWithMovedEnemy(const DemoSide& demo, int from)
{
    for (int area = from; area < kAreaCount; ++area) {
        AreaModel model = loadArea(demo.image, demo.directory, demo.kind, area);
        if (model.enemies.size() < 2 || model.enemies[0].x + 1 >= model.enemies[1].x ||
            (model.isVertical && model.enemies[0].x >= 15))
            continue;
        model.enemies[0].x += 1;
        return model;
    }
    ADD_FAILURE() << "no area with an enemy to move";
    return {};
}

TEST(Sha256, KnownDigests)
{
    EXPECT_EQ(sha256Hex({}), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    EXPECT_EQ(sha256Hex({'a', 'b', 'c'}), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
}

TEST(TextProject, EveryDemoImageUnpacksAndPacksBackByteForByte)
{
    for (ImageKind kind : {ImageKind::Ines, ImageKind::Snes, ImageKind::Fds}) {
        SCOPED_TRACE(imageKindName(kind));
        const DemoSide demo(kind);
        const ProjectFiles files = unpackImage(demo.side());
        EXPECT_EQ(files, unpackImage(demo.side()));
        EXPECT_EQ(files.size(), projectPaths(demo.side()).size());
        const PackResult packed = packProject(files, demo.side());
        EXPECT_EQ(sha256Hex(packed.bytes), sha256Hex(demo.image.bytes()));
        EXPECT_TRUE(packed.log.empty());
        // Reading the text gives back what the loader gave, area by area.
        for (int area = 0; area < kAreaCount; ++area) {
            const AreaModel model = loadArea(demo.image, demo.directory, kind, area);
            ASSERT_EQ(readAreaText(areaTextPath(area), files.at(areaTextPath(area))), areaItems(model)) << area;
        }
        for (const TableText& table : projectTables(demo.image, kind)) {
            const auto values = readTableText(table, "t", writeTableText(table));
            for (std::size_t r = 0; r < table.rows.size(); ++r)
                ASSERT_EQ(values[r], table.rows[r].values) << table.name << " " << r;
        }
    }
}

TEST(TextProject, MovingOneEnemyOneColumnChangesOneLineOfOneFile)
{
    const DemoSide demo(ImageKind::Ines);
    const ProjectFiles before = unpackImage(demo.side());
    AreaModel model = areaWithMovedEnemy(demo, 0);
    RomImage edited = RomImage::fromBytes(demo.image.bytes());
    ViewPosition view;
    ASSERT_TRUE(saveArea(edited, demo.directory, demo.kind, model, view).saved);
    const DemoSide after(ImageKind::Ines, edited.bytes());
    const auto changed = changedLines(before, unpackImage(after.side()));
    ASSERT_EQ(changed.size(), 2u); // the area and the project file's SHA-256
    EXPECT_EQ(changed.at(areaTextPath(model.area)), 1);
    EXPECT_EQ(changed.at(kProjectFileName), 1);
}

// Edits in the text pack to the same bytes as the editor's own save of the
// same edits (relocating save of each area, then the table row).
TEST(TextProject, EditedTextPacksAsTheEditorSavesTheEdits)
{
    const DemoSide demo(ImageKind::Ines);
    ProjectFiles files = unpackImage(demo.side());
    RomImage expected = RomImage::fromBytes(demo.image.bytes());
    AreaDirectory directory = demo.directory;

    AreaModel moved = areaWithMovedEnemy(demo, 0x0A);
    AreaModel grown = loadArea(demo.image, demo.directory, demo.kind, 0x14);
    // Enough new objects that the area must move to free space.
    for (int i = 0; i < 40; ++i)
        grown.objects.push_back({0x20, i % 16, 2 + (i % 10), false, 0, {0, 0}});
    int layer = 0; // layers follow the layer switches
    for (LevelObject& o : grown.objects) {
        o.layer = layer;
        layer += o.special && o.kind() == kKindNextLayer ? 1 : 0;
    }
    grown.header.setField(31, 2, (grown.header.music() + 1) % 4);
    for (AreaModel* model : {&moved, &grown}) {
        files[areaTextPath(model->area)] = writeAreaText(*model, demo.directory);
        AreaModel copy = loadArea(expected, directory, demo.kind, model->area);
        copy.header = model->header;
        copy.isVertical = 1 - model->header.bit(1);
        copy.objects = model->objects;
        copy.enemies = model->enemies;
        ViewPosition view;
        RelocatingSave saved = saveWithRelocation(expected, directory, copy, view);
        ASSERT_TRUE(saved.result.saved) << (saved.result.refusal ? saved.result.refusal->text : "");
        directory = saved.directory;
    }
    const int lives = expected.read(0x1E425);
    setGameTableRow(expected, demo.kind, "lives", 0, (lives + 3) % 256);
    std::string& livesText = files.at("tables/lives.txt");
    livesText.replace(livesText.find("0 = ") + 4, 2, hex2((lives + 3) % 256));

    const PackResult packed = packProject(files, demo.side());
    EXPECT_EQ(packed.bytes, expected.bytes());
    ASSERT_GE(packed.log.size(), 3u);
    EXPECT_NE(packed.log.back().find("tables/lives.txt: 1 row written"), std::string::npos);
}

// Bad text is refused with its file, line and column, before any save.
TEST(TextProject, BadTextIsRefusedWithFileAndLine)
{
    const DemoSide demo(ImageKind::Ines);
    const ProjectFiles good = unpackImage(demo.side());
    const std::string area = areaTextPath(0x0A);
    const auto lineOf = [&](const std::string& path, const std::string& start) {
        const auto lines = linesOf(good.at(path));
        for (std::size_t i = 0; i < lines.size(); ++i)
            if (lines[i].rfind(start, 0) == 0)
                return static_cast<int>(i) + 1;
        return 0;
    };
    const auto replaceLine = [&](const std::string& path, int line, const std::string& text) {
        auto lines = linesOf(good.at(path));
        lines[static_cast<std::size_t>(line - 1)] = text;
        std::string joined;
        for (const auto& l : lines)
            joined += l + "\n";
        return joined;
    };
    const int enemyLine = lineOf(area, "enemy ");
    const int objectLine = lineOf(area, "object ");
    const std::string& areaText = good.at(area);
    struct Case {
        std::string path;
        std::string text;
        std::string where;
        std::string what;
    };
    const std::vector<Case> cases{
        {area, replaceLine(area, enemyLine, "enemy 12 05"), area + ":" + std::to_string(enemyLine) + ":12:",
         "expected a row"},
        {area, replaceLine(area, objectLine, "object 300 01 02"), area + ":" + std::to_string(objectLine) + ":8:",
         "expected an object type (hexadecimal 00..FF), found \"300\""},
        {area, replaceLine(area, enemyLine, "enemy 12 05 0A 0B"), area + ":" + std::to_string(enemyLine) + ":16:",
         "expected the end of the line"},
        {area, replaceLine(area, objectLine, "thing 1"), area + ":" + std::to_string(objectLine) + ":1:",
         "expected \"object\""},
        {area, areaText.substr(0, areaText.size() / 2), area + ":", "ends before its closing line \"end\""},
        {area, areaText + "enemy 01 02 03\n", area + ":", "nothing may follow"},
        {"tables/lives.txt", "99 = 01\n" + good.at("tables/lives.txt"), "tables/lives.txt:1:1:",
         "has no row \"99\""},
        {"tables/lives.txt", "# nothing\nend\n", "tables/lives.txt:2:", "row \"0\" is missing"},
        {"tables/palettes.txt", replaceLine("tables/palettes.txt", 2, "world 0 level 0 = 01 02"),
         "tables/palettes.txt:2:", "expected byte 3"},
        {kProjectFileName, "format 1\nkind ines\nimage-size 5\nimage-sha256 " + std::string(64, '0') + "\nend\n",
         "", "unpacked from another image"},
        {kProjectFileName, "format 2\nend\n", std::string(kProjectFileName) + ":1:8:", "reads format 1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path + ": " + c.what);
        ProjectFiles files = good;
        files[c.path] = c.text;
        try {
            packProject(files, demo.side());
            ADD_FAILURE() << "accepted";
        } catch (const ImageError& error) {
            const std::string message = error.what();
            EXPECT_EQ(message.rfind(c.where, 0), 0u) << message;
            EXPECT_NE(message.find(c.what), std::string::npos) << message;
        }
    }
    ProjectFiles missing = good;
    missing.erase(areaTextPath(0x14));
    EXPECT_THROW(packProject(missing, demo.side()), ImageError);
}

TEST(TextProject, RefusedBoundsAndSavesNameTheirFile)
{
    const DemoSide demo(ImageKind::Ines);
    ProjectFiles files = unpackImage(demo.side());
    std::string& levels = files.at("tables/levels-per-world.txt");
    levels.replace(levels.find("7 = ") + 4, 2, "16"); // 22 levels
    try {
        packProject(files, demo.side());
        ADD_FAILURE() << "accepted";
    } catch (const ImageError& error) {
        EXPECT_EQ(std::string(error.what()).rfind("tables/levels-per-world.txt: ", 0), 0u) << error.what();
    }
    // Every world moved by one together: no single row is reachable alone.
    files = unpackImage(demo.side());
    const std::vector<GameTable> tables = listGameTables(demo.image, demo.kind);
    const auto& bounds = std::find_if(tables.begin(), tables.end(), [](const GameTable& t) {
                             return t.name == "levels-per-world";
                         })->rows;
    if (bounds[0].value == 0 && bounds[7].value <= 20) {
        std::string text;
        for (const GameTableRow& row : bounds)
            text += std::to_string(row.row) + " = " + hex2(row.value + 1) + "\n";
        files.at("tables/levels-per-world.txt") = text + "end\n";
        const PackResult packed = packProject(files, demo.side());
        for (const GameTableRow& row : bounds)
            EXPECT_EQ(packed.bytes[static_cast<std::size_t>(row.offset)], row.value + 1);
    }
}

// Areas that read the same level (or enemy) data: an edit of one applies to
// all, equal edits apply once, and differing edits are refused by name.
TEST(TextProject, AreasSharingDataTakeOneEditAndRefuseTwoDifferentOnes)
{
    const DemoSide demo(ImageKind::Ines);
    const ProjectFiles files = unpackImage(demo.side());
    std::vector<AreaModel> models;
    for (int area = 0; area < kAreaCount; ++area)
        models.push_back(loadArea(demo.image, demo.directory, demo.kind, area));
    const auto pairSharing = [&](bool level) -> std::pair<int, int> {
        for (int a = 0; a < kAreaCount; ++a)
            for (int b = a + 1; b < kAreaCount; ++b)
                if (level ? models[a].levelDataOffset == models[b].levelDataOffset &&
                                models[a].header == models[b].header && models[a].objects == models[b].objects
                          : models[a].enemyDataOffset == models[b].enemyDataOffset &&
                                !models[a].enemies.empty() && models[a].enemies == models[b].enemies)
                    return {a, b};
        return {-1, -1};
    };
    // A level edit retunes the music, an enemy edit retypes the first enemy.
    const auto edited = [&](int area, bool level, int step) {
        AreaModel model = models[area];
        if (level)
            model.header.setField(31, 2, (model.header.music() + step) % 4);
        else
            model.enemies[0].type = (model.enemies[0].type + step) % 0x20;
        return writeAreaText(model, demo.directory);
    };
    struct Case {
        bool level;
        int stepA, stepB; // 0: the file as unpacked
        bool refused;
    };
    for (const Case c : {Case{true, 1, 0, false}, Case{true, 0, 1, false}, Case{true, 1, 1, false},
                         Case{true, 1, 2, true}, Case{false, 1, 0, false}, Case{false, 1, 1, false},
                         Case{false, 1, 2, true}}) {
        const auto [a, b] = pairSharing(c.level);
        ASSERT_GE(a, 0) << "the demo image shares " << (c.level ? "level" : "enemy") << " data";
        SCOPED_TRACE(hex2(a) + " " + hex2(b) + " " + std::to_string(c.stepA) + std::to_string(c.stepB));
        EXPECT_NE(files.at(areaTextPath(a)).find(std::string("# Shares its ") + (c.level ? "level" : "enemy") +
                                                 " data with area"),
                  std::string::npos);
        ProjectFiles project = files;
        if (c.stepA)
            project[areaTextPath(a)] = edited(a, c.level, c.stepA);
        if (c.stepB)
            project[areaTextPath(b)] = edited(b, c.level, c.stepB);
        if (c.refused) {
            try {
                packProject(project, demo.side());
                ADD_FAILURE() << "accepted";
            } catch (const ImageError& error) {
                EXPECT_EQ(std::string(error.what()).rfind(areaTextPath(a) + " and " + areaTextPath(b) +
                                                              " describe the same ", 0),
                          0u)
                    << error.what();
            }
            continue;
        }
        const PackResult packed = packProject(project, demo.side());
        EXPECT_EQ(packed.log.size(), 1u); // saved once, through one area
        // Unpacking the result shows the edit in both areas' files.
        const int step = c.stepA ? c.stepA : c.stepB;
        const DemoSide after(ImageKind::Ines, packed.bytes);
        const ProjectFiles unpacked = unpackImage(after.side());
        for (const int area : {a, b})
            EXPECT_EQ(readAreaText("x", unpacked.at(areaTextPath(area))), readAreaText("x", edited(area, c.level, step)))
                << hex2(area);
    }
}

TEST(ProjectDiff, NamesEachKindOfChange)
{
    const DemoSide demo(ImageKind::Ines);
    RomImage edited = RomImage::fromBytes(demo.image.bytes());
    AreaModel model = areaWithMovedEnemy(demo, 0x0A);
    model.enemies.push_back({0x05, 3, 4});
    ASSERT_FALSE(model.objects.empty());
    model.header.setField(31, 2, (model.header.music() + 1) % 4);
    ViewPosition view;
    AreaDirectory directory = demo.directory;
    ASSERT_TRUE(saveWithRelocation(edited, directory, model, view).result.saved);
    setGameTableRow(edited, demo.kind, "lives", 0, (edited.read(0x1E425) + 1) % 256);
    edited.write(0x20, edited.read(0x20) ^ 0xFF);
    const DemoSide after(ImageKind::Ines, edited.bytes());

    const ProjectDiff diff = diffImages(demo.side(), after.side());
    ASSERT_EQ(diff.areas.size(), 1u);
    const AreaDiff& area = diff.areas[0];
    EXPECT_EQ(area.area, model.area);
    ASSERT_EQ(area.header.size(), 1u);
    EXPECT_EQ(area.header[0].field, "music");
    std::map<std::string, int> changes;
    for (const ItemChange& item : area.items)
        ++changes[item.item + " " + item.change];
    EXPECT_EQ(changes["enemy moved"], 1);
    EXPECT_EQ(changes["enemy added"], 1);
    EXPECT_EQ(changes["enemy removed"], 0);
    ASSERT_EQ(diff.rows.size(), 1u);
    EXPECT_EQ(diff.rows[0].table, "lives");
    ASSERT_EQ(diff.otherBytes.size(), 1u);
    EXPECT_EQ(diff.otherBytes[0].first, 0x20);
    EXPECT_EQ(differingAreas(demo.side(), after.side()), std::vector<int>{model.area});

    EXPECT_TRUE(diffImages(demo.side(), demo.side()).empty());
    // The project's text read as the other side gives the same answer.
    const ProjectDiff fromText = diffContent(folderContent(unpackImage(after.side()), demo.side()), imageContent(demo.side()));
    ASSERT_EQ(fromText.areas.size(), 1u);
    EXPECT_EQ(fromText.rows.size(), 1u);
    EXPECT_TRUE(fromText.otherBytes.empty());
}

// Items between the unchanged ones pair up in order: same type is a move,
// same place a new type, neither a change; the rest are added or removed.
TEST(ProjectDiff, ClassifiesItemChanges)
{
    const auto enemies = [](std::vector<Enemy> list) {
        ProjectContent content;
        content.areas.push_back({HeaderBits::fromBytes({0x80, 0, 0, 0}), {}, std::move(list)});
        return content;
    };
    struct Case {
        std::vector<Enemy> before;
        std::vector<Enemy> after;
        std::vector<std::string> changes;
    };
    const std::vector<Case> cases{
        {{{1, 2, 3}, {5, 6, 7}}, {{1, 2, 3}, {5, 8, 7}}, {"moved 2"}},
        {{{1, 2, 3}, {5, 6, 7}}, {{1, 2, 3}, {9, 6, 7}}, {"retyped 2"}},
        {{{1, 2, 3}, {5, 6, 7}}, {{1, 2, 3}, {9, 1, 1}}, {"changed 2"}},
        {{{1, 2, 3}}, {{4, 4, 4}, {1, 2, 3}}, {"added 1"}},
        {{{1, 2, 3}, {4, 4, 4}, {5, 5, 5}}, {{1, 2, 3}, {5, 5, 5}}, {"removed 2"}},
        {{{1, 2, 3}}, {{1, 2, 3}}, {}},
    };
    for (const Case& c : cases) {
        const ProjectDiff diff = diffContent(enemies(c.before), enemies(c.after));
        std::vector<std::string> changes;
        for (const AreaDiff& area : diff.areas)
            for (const ItemChange& item : area.items)
                changes.push_back(item.change + " " + std::to_string(item.index));
        EXPECT_EQ(changes, c.changes);
    }
    ProjectContent header = enemies({});
    header.areas[0].header.setField(31, 2, 2);
    header.areas[0].header.setBit(2, 1);
    const ProjectDiff diff = diffContent(enemies({}), header);
    ASSERT_EQ(diff.areas.size(), 1u);
    ASSERT_EQ(diff.areas[0].header.size(), 2u);
    EXPECT_EQ(diff.areas[0].header[0].field, "music");
    EXPECT_EQ(diff.areas[0].header[1].field, "other bits");
}

} // namespace
} // namespace quorled
