#include "core/exchange/gametables.h"

#include "core/forms/bytetableform.h"
#include "romdata/charactertable.h"
#include "romdata/imageerror.h"
#include "romdata/romimage.h"
#include "romdata/romlayout.h"
#include "core/forms/tabletexts.h"
#include "romdata/shownname.h"

#include <algorithm>
#include <array>

namespace quorled {

namespace {

constexpr int kWorldBounds = 8;

GameTable characterTable(const RomImage& image, ImageKind kind)
{
    GameTable table{"characters", {}};
    for (int c = 0; c < characters::kCount; ++c) {
        for (int n = 0; n < characters::kProperties; ++n) {
            const characters::PropertyCaption caption = characters::propertyCaption(n);
            std::string text = std::string(characters::buttons()[static_cast<std::size_t>(c)].caption) + ": " +
                               std::string(caption.row);
            if (!caption.column.empty())
                text += " " + std::string(caption.column);
            const long offset = characters::propertyFileOffset(kind, c, n);
            const int value = image.read(offset);
            const int bar = characters::propertyBar(n);
            table.rows.push_back({c * characters::kProperties + n, text, offset, value,
                                  bar < 0 ? std::to_string(value) : barText(bar, value)});
        }
    }
    return table;
}

GameTable byteTableListing(const RomImage& image, ByteTableId id)
{
    const ByteTableForm form(image, id);
    GameTable table{std::string(form.table().cliName), {}};
    for (int i = 0; i < form.rowCount(); ++i) {
        const ByteTableRow& row = form.table().rows[static_cast<std::size_t>(i)];
        std::string shown = form.shown(i);
        if (hasNameLabel(row.display))
            shown += " " + form.name(i);
        table.rows.push_back({i, std::string(row.caption), row.offset, form.value(i), shown});
    }
    return table;
}

GameTable levelsTable(const RomImage& image, ImageKind kind)
{
    GameTable table{"levels-per-world", {}};
    const long base = romLayout(kind).levelsPerWorld;
    for (int k = 0; k < kWorldBounds; ++k) {
        const int value = image.read(base + k);
        const std::string caption =
            k < 7 ? "Levels before world " + std::to_string(k + 1) : std::string("Levels in all worlds");
        table.rows.push_back({k, caption, base + k, value, std::to_string(value)});
    }
    return table;
}

// Whether the levels-per-world dialog can reach these bounds.
bool reachableBounds(const std::array<int, kWorldBounds>& b)
{
    if (b[0] < 0 || b[kWorldBounds - 1] > 21)
        return false;
    for (int k = 0; k + 1 < kWorldBounds; ++k) {
        const int levels = b[static_cast<std::size_t>(k + 1)] - b[static_cast<std::size_t>(k)];
        if (levels < 1 || levels > 4)
            return false;
    }
    return true;
}

bool fits(const RomImage& image, long last) { return image.contains(last); }

} // namespace

const std::vector<std::string>& gameTableNames()
{
    static const std::vector<std::string> names{"characters", "enemies",    "enemies2", "enemies3",
                                                "powerups",   "levels-per-world", "title-card", "lives"};
    return names;
}

std::vector<GameTable> listGameTables(const RomImage& image, ImageKind kind)
{
    std::vector<GameTable> tables;
    if (fits(image, characters::lastOffset(kind)))
        tables.push_back(characterTable(image, kind));
    const auto addByteTable = [&](ByteTableId id) {
        if (byteTableAllowedForKind(kind) && fits(image, lastOffset(byteTable(id))))
            tables.push_back(byteTableListing(image, id));
    };
    for (ByteTableId id : {ByteTableId::ChrEnemy, ByteTableId::ChrEnemy2, ByteTableId::ChrEnemy3, ByteTableId::ChrPwrUp})
        addByteTable(id);
    if (fits(image, romLayout(kind).levelsPerWorld + kWorldBounds - 1))
        tables.push_back(levelsTable(image, kind));
    addByteTable(ByteTableId::TitleC);
    addByteTable(ByteTableId::Nlives);
    return tables;
}

long setGameTableRow(RomImage& image, ImageKind kind, const std::string& table, int row, long value)
{
    if (std::find(gameTableNames().begin(), gameTableNames().end(), table) == gameTableNames().end())
        throw ImageError("There is no table \"" + table +
                         "\" (use characters, enemies, enemies2, enemies3, powerups, levels-per-world, "
                         "title-card or lives).");
    const std::vector<GameTable> tables = listGameTables(image, kind);
    const auto found = std::find_if(tables.begin(), tables.end(), [&](const GameTable& t) { return t.name == table; });
    if (found == tables.end())
        throw ImageError("The table \"" + table + "\" cannot be edited in the " + imageKindName(kind) + " image " +
                         shownName(image.path()) + ".");
    if (row < 0 || row >= static_cast<int>(found->rows.size()))
        throw ImageError("The table \"" + table + "\" has rows 0.." + std::to_string(found->rows.size() - 1) +
                         ", not " + std::to_string(row) + ".");
    if (value < 0 || value > 255)
        throw ImageError("The value " + std::to_string(value) + " does not fit in a byte (0..255).");
    if (table == "levels-per-world") {
        std::array<int, kWorldBounds> bounds{};
        for (int k = 0; k < kWorldBounds; ++k)
            bounds[static_cast<std::size_t>(k)] = found->rows[static_cast<std::size_t>(k)].value;
        bounds[static_cast<std::size_t>(row)] = static_cast<int>(value);
        if (!reachableBounds(bounds))
            throw ImageError("Levels per world: row " + std::to_string(row) + " = " + std::to_string(value) +
                             " gives worlds the dialog cannot make (world 1 starts at 0 or later, every world "
                             "keeps 1..4 levels, 21 levels at most).");
    }
    const long offset = found->rows[static_cast<std::size_t>(row)].offset;
    image.write(offset, static_cast<int>(value));
    return offset;
}

} // namespace quorled
