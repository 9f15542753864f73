#pragma once

#include "groundchanges.h"
#include "picture.h"

#include <array>
#include <functional>
#include <cstdint>
#include <vector>

namespace quorled {

struct AreaModel;
struct GraphicsModel;
struct PaletteTables;
struct ViewState;

// One 16 x 16 tile copy the renderer made: the tile number, the sheet it came
// from (10 the working sheet, 100..103 the enemy sheets, 150 the enemy mask),
// the destination pixel and how it was combined.
struct TileCopy {
    int tile;
    int sheet;
    int x;
    int y;
    BlitOp op;
    bool operator==(const TileCopy&) const = default;
};

// Draws one screen of the current area (16 x 15 cells) into a 256 x 240
// picture: background, ground, objects, screen lines, page separators,
// marks, the object selection box and the enemies. The picture and the
// ground arrays are reused from one drawing to the next.
class Renderer {
public:
    static constexpr int kViewWidth = 256;
    static constexpr int kViewHeight = 240;
    static constexpr int kCell = 16;

    // Line and box colours, 0x00RRGGBB.
    static constexpr std::uint32_t kScreenLineUpper = 0x8080C0;
    static constexpr std::uint32_t kScreenLineLower = 0xA0A0F0;
    static constexpr std::uint32_t kPageLineFirst = 0xC08080;
    static constexpr std::uint32_t kPageLineSecond = 0xF0A0A0;
    static constexpr std::uint32_t kHatching = 0xE09090;
    static constexpr std::uint32_t kObjectMark = 0x00FFFF;
    static constexpr std::uint32_t kSpecialObjectMark = 0x0000FF;
    static constexpr std::uint32_t kObjectSelection = 0xFFFFFF;
    static constexpr std::uint32_t kEnemyMark = 0xFFE908;
    static constexpr std::uint32_t kEnemySelection = 0xFFC080;
    static constexpr std::uint32_t kGroupSelection = 0x40FF40;
    static constexpr std::uint32_t kSelectionBox = 0xFFFF40;
    static constexpr std::uint32_t kGrid = 0x808080;

    static constexpr int kDoorPointerLabel = 224;
    static constexpr int kFirstSpecialLabel = 240;

    Renderer(const GraphicsModel& graphics, const PaletteTables& palettes);

    // Draws the view. Normalises the object coordinates, corrects the scroll
    // position (a row in a horizontal area, a column in a vertical one, and a
    // negative position while ground is shown) and a negative selectedObject.
    void drawArea(AreaModel& area, ViewState& view, const std::array<int, 9>& worldFirstArea);
    // Draws the enemies, their marks and selection box over the picture.
    void drawEnemies(const AreaModel& area, const ViewState& view);

    // Outlines a rectangle of cells (corners included) over the picture:
    // the box a selection drag draws.
    void drawCellBox(int left, int top, int right, int bottom, const ViewState& view);

    const Picture& picture() const { return picture_; }
    // Ground settings and types of the last drawing.
    const GroundColumns& groundColumns() const { return ground_; }

    // While on, every tile copy is recorded; each drawArea starts a new log.
    void setCopyLogging(bool on) { logging_ = on; }
    const std::vector<TileCopy>& copyLog() const { return log_; }

private:
    void drawGround(const AreaModel& area, const ViewState& view);
    void drawObject(const AreaModel& area, const ViewState& view, int i, int objectSet);
    void drawScreenLines(const ViewState& view);
    void drawPageSeparators(const AreaModel& area, const ViewState& view);
    void drawMarks(const AreaModel& area, const ViewState& view);
    void drawObjectSelection(AreaModel& area, const ViewState& view, int objectSet);
    void drawGroupOutlines(const AreaModel& area, const ViewState& view, int objectSet);
    void drawGrid();
    void copyCell(int tile, int sheet, int column, int row, const ViewState& view, BlitOp op);
    void copyTileAt(int tile, int sheet, int x, int y, BlitOp op);
    bool hasGround(int column, int row) const;

    const GraphicsModel& graphics_;
    const PaletteTables& palettes_;
    Picture picture_{kViewWidth, kViewHeight};
    GroundColumns ground_;
    int paletteWorld_ = 0;
    bool logging_ = false;
    std::vector<TileCopy> log_;
};

// Whether an object is inside the window in which the renderer draws it and
// its mark: 16 cells to the left and top, 18 columns right, 30 rows down.
bool objectInDrawWindow(int x, int y, const ViewState& view);
// The same for enemies: 16 cells on every side.
bool enemyInDrawWindow(int x, int y, const ViewState& view);

// Draws every page of the area side by side (horizontal) or stacked
// (vertical) with the options of `view`, into a picture 256 pixels wide per
// page or 240 high per page. Scroll position and selection of the caller
// are not changed.
Picture drawAreaMap(Renderer& renderer, AreaModel& area, const ViewState& view,
                    const std::array<int, 9>& worldFirstArea);
// Draws the pages of that map one at a time: `page(picture, x, y)` gets the
// renderer's picture of each (its top-left kViewWidth x kViewHeight pixels)
// and where it goes in the map.
void drawAreaMapPages(Renderer& renderer, AreaModel& area, const ViewState& view,
                      const std::array<int, 9>& worldFirstArea,
                      const std::function<void(const Picture& picture, int x, int y)>& page);

} // namespace quorled
