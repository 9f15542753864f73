#pragma once

#include "romdata/imagekind.h"

#include <string>
#include <vector>

namespace quorled {

class RomImage;

// One row of a game-wide table as the text project keeps it: its key (the
// row number, or "world 0 level 3" for a palette), the bytes it holds and
// where they lie, and a caption for the reader.
struct TableTextRow {
    std::string key;
    std::string caption;
    std::vector<long> offsets;
    std::vector<int> values;
};

struct TableText {
    std::string name; // characters, ..., lives, palettes
    std::vector<TableTextRow> rows;
};

// Every table the kind can edit with the image's bytes: the game tables in
// listing order, then the palettes (seven worlds of seven level and three
// enemy palettes, the bytes the image holds).
std::vector<TableText> projectTables(const RomImage& image, ImageKind kind);

// "tables/characters.txt".
std::string tableTextPath(const std::string& name);

// One line per row, "KEY = HH HH ...  # caption", then "end".
std::string writeTableText(const TableText& table);

// Reads a table's text strictly against the rows `layout` has: every row
// exactly once, each with its number of bytes. Returns the values by row.
// Throws ProjectTextError with the line and column of the first fault.
std::vector<std::vector<int>> readTableText(const TableText& layout, const std::string& path,
                                            const std::string& text);

// Writes the rows whose values differ from `layout`'s with the rules of the
// tables' dialogs (levels per world: bounds the dialog can reach, checked
// once all rows are in). Throws ImageError naming `path`; the image may then
// hold part of the rows, so write into a copy.
void applyTableValues(const TableText& layout, const std::vector<std::vector<int>>& values, const std::string& path,
                      RomImage& image, ImageKind kind);

} // namespace quorled
