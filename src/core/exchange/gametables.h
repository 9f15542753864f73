#pragma once

#include "romdata/imagekind.h"

#include <string>
#include <vector>

namespace quorled {

class RomImage;

// Every byte the game-table dialogs edit, table by table, as the command
// line lists and sets them.
struct GameTableRow {
    int row = 0;
    std::string caption;
    long offset = 0;
    int value = 0;
    std::string shown;
};

struct GameTable {
    std::string name; // characters, enemies, ..., lives
    std::vector<GameTableRow> rows;
};

// The names of every table, in listing order.
const std::vector<std::string>& gameTableNames();

// The tables the kind can edit, with the image's bytes. Tables disabled for
// the kind, and tables that lie past the end of the image, are left out.
std::vector<GameTable> listGameTables(const RomImage& image, ImageKind kind);

// Sets one row as its dialog would: the byte must be 0..255, and the
// levels-per-world bounds must stay ones the dialog can reach (world 1
// starts at 0 or later, every world keeps 1..4 levels, 21 levels at most).
// Throws ImageError, changing nothing, for a table disabled for the kind or
// unknown, a row out of range or a refused value. Returns the file offset.
long setGameTableRow(RomImage& image, ImageKind kind, const std::string& table, int row, long value);

} // namespace quorled
