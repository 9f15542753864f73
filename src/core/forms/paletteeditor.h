#pragma once

#include "romdata/palettetables.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace quorled {

// One unfilled rectangle from (x1, y1) to (x2, y2), both corners included.
struct OutlineBox {
    int x1, y1, x2, y2;
    std::uint32_t colour; // 0xRRGGBB
};

// The rules of the "Edit level colors" dialog without its widgets: a working
// copy of the palette tables, the picked colour, the world and the two
// palettes shown, painting by press on the previews and picking on the
// master palette. Nothing reaches the image until the copy is written.
class PaletteEditor {
public:
    // The three pictures, by their index in the dialog.
    enum class Picture { Level = 0, Enemy = 1, Master = 2 };
    static constexpr int kCell = 16;
    static constexpr int kLastWorld = kPaletteWorldsInImage - 1; // the world bar covers 0..6

    // Opens on a world index (7 is shown as 6) and the area's two palettes.
    PaletteEditor(const PaletteTables& tables, int world, int levelPalette, int enemyPalette);

    // Grid cells of a picture: 16 x 4 on the master palette, 4 x 4 on the
    // level preview, 4 x 3 on the enemy preview (slots 0..11).
    static int columns(Picture picture);
    static int rows(Picture picture);
    // The cell under a pointer position, column + columns * row, with the
    // position cut to whole pixels; none outside the grid.
    static std::optional<int> cellAt(Picture picture, double x, double y);

    // A press with any button: picks a colour on the master palette, paints
    // the picked colour into the shown palette on a preview. Whether
    // anything changed.
    bool press(Picture picture, double x, double y);
    // Pointer moved with `buttons` held (1 left, 2 right, 4 middle): only
    // the left button alone over the master palette picks.
    bool drag(Picture picture, int buttons, double x, double y);

    void setWorld(int world);
    void setLevelPalette(int palette);
    void setEnemyPalette(int palette);
    int world() const { return world_; }
    int levelPalette() const { return levelPalette_; }
    int enemyPalette() const { return enemyPalette_; }
    int pickedColour() const { return picked_; }
    // The text beside "World :": the world bar's value plus one.
    std::string worldCaption() const { return std::to_string(world_ + 1); }

    // Colour numbers the previews show: 16 level slots, 12 enemy slots.
    std::array<int, 16> levelColours() const;
    std::array<int, 12> enemyColours() const;
    // The two rings around the picked colour's cell, inner one first.
    std::array<OutlineBox, 2> pickedOutline() const;
    const PaletteTables& tables() const { return tables_; }

    // Which palettes share bytes of the table, for the note under the previews.
    static std::string sharedBytesNote();

private:
    PaletteTables tables_;
    int picked_ = 0;
    int world_ = 0;
    int levelPalette_ = 0;
    int enemyPalette_ = 0;
};

} // namespace quorled
