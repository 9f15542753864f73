#include "core/workbench/problemrules.h"

#include "core/workbench/doorlinks.h"

#include "romdata/bytes.h"
#include "romdata/levelformat.h"
#include "romdata/roomuse.h"
#include "view/catalogue.h"

#include <map>

namespace quorled {

namespace {

constexpr int kStarBackground = 0x0E;

std::string areaLabel(int area) { return "Area " + hex2(area); }

void add(std::vector<Problem>& out, const char* rule, Severity severity, int area, ProblemItem item, int index,
         std::string text)
{
    out.push_back(Problem{severity, rule, area, item, index, std::move(text)});
}

// --- errors ---

// A damage note as a sentence of its own: the problem already names its
// area, so the note's leading "area NN: " goes.
std::string damageSentence(std::string note, int area)
{
    const std::string label = "area " + hex2(area) + ": ";
    if (note.compare(0, label.size(), label) == 0)
        note.erase(0, label.size());
    if (!note.empty() && note[0] >= 'a' && note[0] <= 'z')
        note[0] = static_cast<char>(note[0] - 'a' + 'A');
    if (!note.empty() && note.back() != '.')
        note += '.';
    return note;
}

void damagedData(const GameAreas& game, int area, std::vector<Problem>& out)
{
    for (const std::string& note : game.damage(area))
        add(out, "damaged-data", Severity::Error, area, ProblemItem::None, 0, damageSentence(note, area));
}

void dataTooLarge(const GameAreas& game, int area, std::vector<Problem>& out)
{
    const GameArea& a = game.areas[static_cast<std::size_t>(area)];
    if (!a.room || !a.model().damage.empty())
        return;
    const RoomUse& use = a.roomUse();
    if (use.problem) {
        add(out, "data-too-large", Severity::Error, area, ProblemItem::None, 0,
            "The area cannot be saved: " + *use.problem);
        return;
    }
    if (!use.levelFits())
        add(out, "data-too-large", Severity::Error, area, ProblemItem::None, 0,
            "The level data needs " + std::to_string(use.levelBytes) + " bytes; its room holds " +
                std::to_string(use.levelRoom) + ".");
    if (!use.enemyFits())
        add(out, "data-too-large", Severity::Error, area, ProblemItem::None, 0,
            "The enemy data needs " + std::to_string(use.enemyBytes) + " bytes; its room holds " +
                std::to_string(use.enemyRoom) + ".");
}

void crowdedEnemyPage(const GameAreas& game, int area, std::vector<Problem>& out)
{
    const AreaModel& m = game.model(area);
    std::map<int, std::pair<int, int>> pages; // page -> count, first enemy on it
    for (int i = 1; i <= m.enemyCount(); ++i) {
        auto& [count, first] = pages[enemyPage(m, m.enemy(i))];
        if (count++ == 0)
            first = i;
    }
    for (const auto& [page, entry] : pages)
        if (entry.first > kMaxEnemiesPerPage)
            add(out, "crowded-enemy-page", Severity::Error, area, ProblemItem::Enemy, entry.second,
                "Page " + std::to_string(page) + " holds " + std::to_string(entry.first) + " enemies; at most " +
                    std::to_string(kMaxEnemiesPerPage) + " fit.");
}

void itemPastLength(const GameAreas& game, int area, std::vector<Problem>& out)
{
    const AreaModel& m = game.model(area);
    const int pages = game.pages(area);
    const auto sentence = [pages](const char* what, int number, int page) {
        return std::string(what) + " " + std::to_string(number) + " lies on page " + std::to_string(page) +
               ", past the area's " + std::to_string(pages) + (pages == 1 ? " page." : " pages.");
    };
    for (int i = 1; i <= m.objCount(); ++i) {
        const int page = objectPage(m, m.object(i));
        if (page >= pages)
            add(out, "past-area-length", Severity::Error, area, ProblemItem::Object, i, sentence("Object", i, page));
    }
    for (int i = 1; i <= m.enemyCount(); ++i) {
        const int page = enemyPage(m, m.enemy(i));
        if (page >= pages)
            add(out, "past-area-length", Severity::Error, area, ProblemItem::Enemy, i, sentence("Enemy", i, page));
    }
}

void badDestination(const GameAreas& game, int area, std::vector<Problem>& out)
{
    const AreaModel& m = game.model(area);
    for (const DoorLink& link : doorLinks(m)) {
        const DoorDestination& to = link.to;
        std::string why;
        if (to.level > 20)
            why = "level " + std::to_string(to.level) + " does not exist";
        else if (to.slot > 9)
            why = "area slot " + std::to_string(to.slot) + " does not exist";
        else if (to.page >= game.pages(to.area()))
            why = "area " + hex2(to.area()) + " has " + std::to_string(game.pages(to.area())) + " pages, no page " +
                  std::to_string(to.page);
        if (!why.empty())
            add(out, "bad-destination", Severity::Error, area, ProblemItem::Object, link.pointer,
                "The pointer (object " + std::to_string(link.pointer) + ") leads nowhere: " + why + ".");
    }
}

void worldTableOrder(const GameAreas& game, std::vector<Problem>& out)
{
    for (int k = 1; k < 8; ++k)
        if (game.worldBound(k) > game.worldBound(k + 1)) {
            add(out, "world-table", Severity::Error, -1, ProblemItem::None, 0,
                "The levels-per-world table is out of order: world " + std::to_string(k + 1) + " starts at level " +
                    std::to_string(game.worldBound(k + 1)) + ", before world " + std::to_string(k) + " at " +
                    std::to_string(game.worldBound(k)) + ".");
            return;
        }
    if (game.worldBound(8) > 21)
        add(out, "world-table", Severity::Error, -1, ProblemItem::None, 0,
            "The levels-per-world table counts " + std::to_string(game.worldBound(8)) +
                " levels; the game has 21.");
}

// --- warnings ---

void riskyEnemy(const GameAreas& game, int area, std::vector<Problem>& out)
{
    const AreaModel& m = game.model(area);
    for (int i = 1; i <= m.enemyCount(); ++i) {
        const std::string& name = Catalogue::instance().enemyTypeName(m.enemy(i).type);
        if (name.find("crash") != std::string::npos)
            add(out, "risky-enemy", Severity::Warning, area, ProblemItem::Enemy, i,
                "Enemy " + std::to_string(i) + " has type " + hex2(m.enemy(i).type) + ", which may crash the game.");
        else if (name == "???")
            add(out, "risky-enemy", Severity::Warning, area, ProblemItem::Enemy, i,
                "Enemy " + std::to_string(i) + " has the unnamed type " + hex2(m.enemy(i).type) + ".");
    }
}

void doorWithoutPointer(const GameAreas& game, int area, std::vector<Problem>& out)
{
    const AreaModel& m = game.model(area);
    const Catalogue& catalogue = Catalogue::instance();
    for (int i = 1; i <= m.objCount(); ++i) {
        const LevelObject& o = m.object(i);
        if (o.special || !catalogue.isDoorType(o.type))
            continue;
        // A door right after a door is that door's pointer byte, not a door.
        if (i > 1 && !m.object(i - 1).special && catalogue.isDoorType(m.object(i - 1).type))
            continue;
        if (i == m.objCount() || !pointerDestination(m.object(i + 1)))
            add(out, "door-without-pointer", Severity::Warning, area, ProblemItem::Object, i,
                "Object " + std::to_string(i) + " is a door that is not followed by its pointer.");
    }
}

void lowStarBackground(const GameAreas& game, int area, std::vector<Problem>& out)
{
    const AreaModel& m = game.model(area);
    for (int i = 1; i <= m.objCount(); ++i) {
        const LevelObject& o = m.object(i);
        if (o.special || o.type != kStarBackground || o.y % kRowsPerPage == 0)
            continue;
        add(out, "star-background-row", Severity::Warning, area, ProblemItem::Object, i,
            "Object " + std::to_string(i) + " is a star background on row " + std::to_string(o.y % kRowsPerPage) +
                "; it must be on the top row of its page.");
    }
}

// --- notes ---

void idleSpecialObject(const GameAreas& game, int area, std::vector<Problem>& out)
{
    const AreaModel& m = game.model(area);
    for (int i = 1; i <= m.objCount(); ++i) {
        const LevelObject& o = m.object(i);
        if (o.special && o.kind() >= 7 && o.kind() <= 14)
            add(out, "idle-special-object", Severity::Note, area, ProblemItem::Object, i,
                "Object " + std::to_string(i) + " is a special object of kind " + std::to_string(o.kind()) +
                    ", which has no effect.");
    }
}

void sharedData(const GameAreas& game, int area, std::vector<Problem>& out)
{
    const std::vector<int> others = game.sharingWith(area);
    if (others.empty())
        return;
    std::string list;
    for (int other : others)
        list += (list.empty() ? "" : ", ") + hex2(other);
    add(out, "shared-data", Severity::Note, area, ProblemItem::None, 0,
        areaLabel(area) + " shares its data with area" + (others.size() == 1 ? " " : "s ") + list +
            "; an edit changes them too.");
}

} // namespace

const char* severityName(Severity severity)
{
    switch (severity) {
    case Severity::Error: return "error";
    case Severity::Warning: return "warning";
    case Severity::Note: return "note";
    }
    return "error";
}

const std::vector<ProblemRule>& problemRules()
{
    static const std::vector<ProblemRule> rules{
        {"damaged-data", Severity::Error, "The area's data has no end inside its region, or lies outside it.",
         damagedData, nullptr},
        {"data-too-large", Severity::Error, "The level or enemy data will not fit its room.", dataTooLarge, nullptr},
        {"crowded-enemy-page", Severity::Error, "A page holds more than 124 enemies.", crowdedEnemyPage, nullptr},
        {"past-area-length", Severity::Error, "An object or enemy lies on a page past the area's length.",
         itemPastLength, nullptr},
        {"bad-destination", Severity::Error, "A pointer leads to a level, area slot or page that does not exist.",
         badDestination, nullptr},
        {"world-table", Severity::Error, "The levels-per-world table is out of order or counts past 21 levels.",
         nullptr, worldTableOrder},
        {"risky-enemy", Severity::Warning, "An enemy type that may crash the game, or an unnamed one.", riskyEnemy,
         nullptr},
        {"door-without-pointer", Severity::Warning, "A door that is not followed by its pointer.",
         doorWithoutPointer, nullptr},
        {"star-background-row", Severity::Warning, "A star background not on the top row of its page.",
         lowStarBackground, nullptr},
        {"idle-special-object", Severity::Note, "A special object of kind 7..14, which has no effect.",
         idleSpecialObject, nullptr},
        {"shared-data", Severity::Note, "An area that shares its data with others.", sharedData, nullptr},
    };
    return rules;
}

std::vector<Problem> checkArea(const GameAreas& game, int area)
{
    std::vector<Problem> out;
    for (const ProblemRule& rule : problemRules())
        if (rule.checkArea)
            rule.checkArea(game, area, out);
    return out;
}

std::vector<Problem> checkGameTables(const GameAreas& game)
{
    std::vector<Problem> out;
    for (const ProblemRule& rule : problemRules())
        if (rule.checkGame)
            rule.checkGame(game, out);
    return out;
}

std::vector<Problem> checkGame(const GameAreas& game)
{
    std::vector<Problem> out = checkGameTables(game);
    for (int area = 0; area < static_cast<int>(game.areas.size()); ++area) {
        std::vector<Problem> more = checkArea(game, area);
        out.insert(out.end(), std::make_move_iterator(more.begin()), std::make_move_iterator(more.end()));
    }
    return out;
}

} // namespace quorled
