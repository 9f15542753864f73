#include "core/project/projectdiff.h"

#include "romdata/arealoader.h"
#include "romdata/bytes.h"
#include "romdata/imageerror.h"
#include "romdata/romlayout.h"
#include "view/catalogue.h"

#include <algorithm>

namespace quorled {

namespace {

struct Item {
    std::string kind; // object, special, enemy
    int type = 0;
    int x = 0;
    int y = 0;
    std::string fields;
    std::string name;
    bool operator==(const Item& other) const { return kind == other.kind && fields == other.fields; }
};

std::vector<Item> objectItems(const AreaItems& area)
{
    const Catalogue& catalogue = Catalogue::instance();
    std::vector<Item> items;
    for (const LevelObject& o : area.objects) {
        if (o.special)
            items.push_back({"special", o.kind(), o.x, o.y,
                             hex2(o.x) + " " + hex2(o.y) + " " + hex2(o.param[0]) + " " + hex2(o.param[1]),
                             catalogue.specialObjectName(o.kind())});
        else
            items.push_back({"object", o.type, o.x, o.y, hex2(o.type) + " " + hex2(o.x) + " " + hex2(o.y),
                             catalogue.objectTypeName(area.header.objectSet(), o.type)});
    }
    return items;
}

std::vector<Item> enemyItems(const AreaItems& area)
{
    std::vector<Item> items;
    for (const Enemy& e : area.enemies)
        items.push_back({"enemy", e.type, e.x, e.y, hex2(e.type) + " " + hex2(e.x) + " " + hex2(e.y),
                         Catalogue::instance().enemyTypeName(e.type)});
    return items;
}

// Lists the changes from `a` to `b`: items kept in order are matched by the
// longest common subsequence; between matches, an item is paired first with
// one of the same type (moved), then with one in the same place (retyped),
// then in order (changed); the rest are removed or added.
void diffItems(const std::vector<Item>& a, const std::vector<Item>& b, std::vector<ItemChange>& out)
{
    const std::size_t n = a.size();
    const std::size_t m = b.size();
    std::vector<std::vector<int>> common(n + 1, std::vector<int>(m + 1, 0));
    for (std::size_t i = n; i-- > 0;)
        for (std::size_t j = m; j-- > 0;)
            common[i][j] = a[i] == b[j] ? common[i + 1][j + 1] + 1 : std::max(common[i + 1][j], common[i][j + 1]);
    std::size_t i = 0;
    std::size_t j = 0;
    const auto flushGap = [&](std::size_t iEnd, std::size_t jEnd) {
        std::vector<int> partner(jEnd - j, -1); // the item of `a` each item of `b` pairs with
        std::vector<bool> paired(iEnd - i, false);
        const auto pairUp = [&](const auto& fits) {
            for (std::size_t x = i; x < iEnd; ++x)
                for (std::size_t y = j; y < jEnd && !paired[x - i]; ++y)
                    if (partner[y - j] < 0 && fits(a[x], b[y])) {
                        partner[y - j] = static_cast<int>(x);
                        paired[x - i] = true;
                    }
        };
        pairUp([](const Item& x, const Item& y) { return x.kind == y.kind && x.type == y.type; });
        pairUp([](const Item& x, const Item& y) { return x.kind == y.kind && x.x == y.x && x.y == y.y; });
        pairUp([](const Item&, const Item&) { return true; });
        for (std::size_t x = i; x < iEnd; ++x)
            if (!paired[x - i])
                out.push_back({"removed", a[x].kind, static_cast<int>(x) + 1, a[x].fields, "", a[x].name});
        for (std::size_t y = j; y < jEnd; ++y) {
            const Item& after = b[y];
            if (partner[y - j] < 0) {
                out.push_back({"added", after.kind, static_cast<int>(y) + 1, "", after.fields, after.name});
                continue;
            }
            const Item& before = a[static_cast<std::size_t>(partner[y - j])];
            std::string change = "changed";
            if (before.kind == after.kind && before.type == after.type)
                change = "moved";
            else if (before.kind == after.kind && before.x == after.x && before.y == after.y)
                change = "retyped";
            out.push_back({change, after.kind, static_cast<int>(y) + 1, before.fields, after.fields, after.name});
        }
        i = iEnd;
        j = jEnd;
    };
    std::size_t si = 0;
    std::size_t sj = 0;
    while (si < n && sj < m) {
        if (a[si] == b[sj]) {
            flushGap(si, sj);
            ++i;
            ++j;
            ++si;
            ++sj;
        } else if (common[si + 1][sj] >= common[si][sj + 1]) {
            ++si;
        } else {
            ++sj;
        }
    }
    flushGap(n, m);
}

std::vector<HeaderChange> diffHeader(const HeaderBits& a, const HeaderBits& b)
{
    struct Field {
        const char* name;
        int first;
        int width;
    };
    static const Field fields[] = {{"scrolling", 1, 1},       {"level palette", 3, 3}, {"enemy palette", 7, 2},
                                   {"ground setting", 12, 5}, {"level length", 17, 4}, {"object set", 21, 4},
                                   {"ground type", 27, 3},    {"music", 31, 2}};
    std::vector<HeaderChange> changes;
    HeaderBits restA = a;
    HeaderBits restB = b;
    for (const Field& f : fields) {
        if (a.field(f.first, f.width) != b.field(f.first, f.width))
            changes.push_back({f.name, a.field(f.first, f.width), b.field(f.first, f.width)});
        restA.setField(f.first, f.width, 0);
        restB.setField(f.first, f.width, 0);
    }
    if (restA != restB) {
        const auto word = [](const HeaderBits& h) {
            int value = 0;
            for (int k = 1; k <= 32; ++k)
                value = value * 2 + h.bit(k);
            return value;
        };
        changes.push_back({"other bits", word(restA), word(restB)});
    }
    return changes;
}

std::vector<bool> knownBytes(const ProjectImage& side, long size)
{
    std::vector<bool> known(static_cast<std::size_t>(size), false);
    const auto mark = [&](long first, long end) {
        for (long o = std::max(0L, first); o < std::min(end, size); ++o)
            known[static_cast<std::size_t>(o)] = true;
    };
    for (int area = 0; area < kAreaCount; ++area) {
        const decoding::DecodeBounds bounds = decodeBoundsFor(side.directory, side.kind, area);
        mark(bounds.level.start, bounds.level.end);
        mark(bounds.enemies.start, bounds.enemies.end);
    }
    const RomLayout& layout = romLayout(side.kind);
    if (layout.hasPointerTables) {
        mark(layout.levelPointerLow, layout.levelPointerLow + kAreaCount);
        mark(layout.levelPointerHigh, layout.levelPointerHigh + kAreaCount);
    }
    for (const TableText& table : projectTables(side.image, side.kind))
        for (const TableTextRow& row : table.rows)
            for (long offset : row.offsets)
                mark(offset, offset + 1);
    return known;
}

} // namespace

ProjectContent imageContent(const ProjectImage& image)
{
    ProjectContent content;
    for (int area = 0; area < kAreaCount; ++area)
        content.areas.push_back(areaItems(loadArea(image.image, image.directory, image.kind, area)));
    content.tables = projectTables(image.image, image.kind);
    return content;
}

ProjectContent folderContent(const ProjectFiles& files, const ProjectImage& layout)
{
    ProjectContent content;
    const auto text = [&](const std::string& path) -> const std::string& {
        const auto found = files.find(path);
        if (found == files.end())
            throw ImageError("The project has no file " + path + ".");
        return found->second;
    };
    for (int area = 0; area < kAreaCount; ++area)
        content.areas.push_back(readAreaText(areaTextPath(area), text(areaTextPath(area))));
    content.tables = projectTables(layout.image, layout.kind);
    for (TableText& table : content.tables) {
        const std::vector<std::vector<int>> values =
            readTableText(table, tableTextPath(table.name), text(tableTextPath(table.name)));
        for (std::size_t r = 0; r < table.rows.size(); ++r)
            table.rows[r].values = values[r];
    }
    return content;
}

ProjectDiff diffContent(const ProjectContent& a, const ProjectContent& b)
{
    ProjectDiff diff;
    for (std::size_t area = 0; area < a.areas.size() && area < b.areas.size(); ++area) {
        const AreaItems& x = a.areas[area];
        const AreaItems& y = b.areas[area];
        if (x == y)
            continue;
        AreaDiff changes{static_cast<int>(area), diffHeader(x.header, y.header), {}};
        diffItems(objectItems(x), objectItems(y), changes.items);
        diffItems(enemyItems(x), enemyItems(y), changes.items);
        diff.areas.push_back(std::move(changes));
    }
    for (const TableText& tableA : a.tables) {
        const auto tableB = std::find_if(b.tables.begin(), b.tables.end(),
                                         [&](const TableText& t) { return t.name == tableA.name; });
        if (tableB == b.tables.end() || tableB->rows.size() != tableA.rows.size())
            continue;
        for (std::size_t r = 0; r < tableA.rows.size(); ++r)
            if (tableA.rows[r].values != tableB->rows[r].values)
                diff.rows.push_back({tableA.name, tableA.rows[r].key, tableB->rows[r].caption, tableA.rows[r].values,
                                     tableB->rows[r].values});
    }
    return diff;
}

ProjectDiff diffImages(const ProjectImage& a, const ProjectImage& b)
{
    ProjectDiff diff = diffContent(imageContent(a), imageContent(b));
    const long size = a.image.size();
    if (size != b.image.size()) {
        diff.sizes = std::to_string(size) + " and " + std::to_string(b.image.size()) + " bytes";
        return diff;
    }
    const std::vector<bool> knownA = knownBytes(a, size);
    const std::vector<bool> knownB = knownBytes(b, size);
    for (long o = 0; o < size; ++o) {
        const auto u = static_cast<std::size_t>(o);
        if (a.image.bytes()[u] == b.image.bytes()[u] || knownA[u] || knownB[u])
            continue;
        if (!diff.otherBytes.empty() && diff.otherBytes.back().last == o - 1)
            diff.otherBytes.back().last = o;
        else
            diff.otherBytes.push_back({o, o});
    }
    return diff;
}

std::vector<int> differingAreas(const ProjectImage& a, const ProjectImage& b)
{
    std::vector<int> areas;
    for (int area = 0; area < kAreaCount; ++area)
        if (areaItems(loadArea(a.image, a.directory, a.kind, area)) !=
            areaItems(loadArea(b.image, b.directory, b.kind, area)))
            areas.push_back(area);
    return areas;
}

} // namespace quorled
