#include "core/project/tabletext.h"

#include "core/project/textlines.h"

#include "core/exchange/gametables.h"
#include "romdata/bytes.h"
#include "romdata/imageerror.h"
#include "romdata/palettetables.h"
#include "romdata/romimage.h"

#include <map>

namespace quorled {

namespace {

constexpr int kLevelPalettes = 7;
constexpr int kEnemyPalettes = 3;

TableText paletteTable(const RomImage& image)
{
    TableText table{"palettes", {}};
    for (int world = 0; world < kPaletteWorldsInImage; ++world) {
        const auto add = [&](const std::string& which, int palette, int slots, auto offsetOf) {
            TableTextRow row{"world " + std::to_string(world) + " " + which + " " + std::to_string(palette),
                             "World " + std::to_string(world + 1) + ", " + which + " palette " +
                                 std::to_string(palette),
                             {},
                             {}};
            for (int slot = 0; slot < slots; ++slot) {
                const long offset = offsetOf(world, palette, slot);
                row.offsets.push_back(offset);
                row.values.push_back(image.read(offset));
            }
            table.rows.push_back(std::move(row));
        };
        for (int p = 0; p < kLevelPalettes; ++p)
            add("level", p, 16, levelPaletteOffset);
        for (int p = 0; p < kEnemyPalettes; ++p)
            add("enemy", p, kEnemySlotsInImage, enemyPaletteOffset);
    }
    return table;
}

} // namespace

std::vector<TableText> projectTables(const RomImage& image, ImageKind kind)
{
    std::vector<TableText> tables;
    for (const GameTable& game : listGameTables(image, kind)) {
        TableText table{game.name, {}};
        for (const GameTableRow& row : game.rows)
            table.rows.push_back({std::to_string(row.row), row.caption + " (" + row.shown + ")", {row.offset},
                                  {row.value}});
        tables.push_back(std::move(table));
    }
    if (image.contains(kPaletteTableEnd))
        tables.push_back(paletteTable(image));
    return tables;
}

std::string tableTextPath(const std::string& name) { return "tables/" + name + ".txt"; }

std::string writeTableText(const TableText& table)
{
    std::string text = "# Table " + table.name + ": KEY = stored bytes (hexadecimal)\n";
    for (const TableTextRow& row : table.rows) {
        text += row.key + " =";
        for (int value : row.values)
            text += " " + hex2(value);
        text += "  # " + row.caption + "\n";
    }
    text += "end\n";
    return text;
}

std::vector<std::vector<int>> readTableText(const TableText& layout, const std::string& path,
                                            const std::string& text)
{
    std::map<std::string, std::size_t> rowOfKey;
    for (std::size_t r = 0; r < layout.rows.size(); ++r)
        rowOfKey[layout.rows[r].key] = r;
    std::vector<std::vector<int>> values(layout.rows.size());
    std::vector<int> lineOfRow(layout.rows.size(), 0);
    TextLines lines(path, text);
    while (lines.next()) {
        std::size_t equals = 0;
        while (equals < lines.wordCount() && lines.word(equals) != "=")
            ++equals;
        if (equals == 0)
            lines.fail(0, "expected a row name before \"=\"");
        if (equals == lines.wordCount())
            lines.fail(equals, "expected \"=\" after the row name");
        std::string key = lines.word(0);
        for (std::size_t w = 1; w < equals; ++w)
            key += " " + lines.word(w);
        const auto found = rowOfKey.find(key);
        if (found == rowOfKey.end())
            lines.fail(0, "the table " + layout.name + " has no row \"" + key + "\" (rows " +
                              layout.rows.front().key + " to " + layout.rows.back().key + ")");
        const std::size_t r = found->second;
        if (lineOfRow[r] != 0)
            lines.fail(0, "row \"" + key + "\" is given twice (first on line " + std::to_string(lineOfRow[r]) + ")");
        lineOfRow[r] = lines.lineNumber();
        const std::size_t count = layout.rows[r].values.size();
        for (std::size_t v = 0; v < count; ++v)
            values[r].push_back(lines.hexWord(equals + 1 + v, 0, 255,
                                              count == 1 ? "the stored byte" : "byte " + std::to_string(v + 1)));
        lines.expectNoMoreWords(equals + 1 + count,
                                count == 1 ? "the row's byte" : "the row's " + std::to_string(count) + " bytes");
    }
    for (std::size_t r = 0; r < layout.rows.size(); ++r)
        if (lineOfRow[r] == 0)
            throw ProjectTextError(path, lines.lineNumber(), 0,
                                   "the row \"" + layout.rows[r].key + "\" is missing before \"end\"");
    return values;
}

void applyTableValues(const TableText& layout, const std::vector<std::vector<int>>& values, const std::string& path,
                      RomImage& image, ImageKind kind)
{
    const bool gameTable = layout.name != "palettes";
    int firstChanged = -1;
    try {
        for (std::size_t r = 0; r < layout.rows.size(); ++r) {
            const TableTextRow& row = layout.rows[r];
            if (values[r] == row.values)
                continue;
            if (firstChanged < 0)
                firstChanged = static_cast<int>(r);
            for (std::size_t v = 0; v < row.values.size(); ++v) {
                if (gameTable && layout.name != "levels-per-world")
                    setGameTableRow(image, kind, layout.name, static_cast<int>(r), values[r][v]);
                else
                    image.write(row.offsets[v], values[r][v]);
            }
        }
        // The bounds are checked together: moving a world's start may pass
        // through bounds the dialog cannot reach one row at a time.
        if (layout.name == "levels-per-world" && firstChanged >= 0)
            setGameTableRow(image, kind, layout.name, firstChanged, values[static_cast<std::size_t>(firstChanged)][0]);
    } catch (const ImageError& error) {
        throw ImageError(path + ": " + error.what());
    }
}

} // namespace quorled
