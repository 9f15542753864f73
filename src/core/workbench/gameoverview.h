#pragma once

#include "core/workbench/gameareas.h"
#include "core/workbench/problemrules.h"

#include "view/graphics.h"
#include "view/picture.h"
#include "romdata/palettetables.h"

#include <memory>
#include <vector>

namespace quorled {

// Where the overview puts each area: one row of ten slots per level, the
// levels grouped by world under a band with the world's number.
struct OverviewLayout {
    static constexpr int kThumbWidth = 192;
    static constexpr int kThumbHeight = 60;
    static constexpr int kLabelHeight = 14;
    static constexpr int kCellWidth = kThumbWidth + 8;
    static constexpr int kCellHeight = kThumbHeight + kLabelHeight + 6;
    static constexpr int kBandHeight = 16;

    struct Cell {
        int x = 0; // top-left pixel of the cell
        int y = 0;
    };
    struct Band {
        int world = 0; // 1..7, 0 for levels outside every world
        int y = 0;
    };
    std::vector<Cell> cells; // by area number
    std::vector<Band> bands;
    int width = 0;
    int height = 0;

    // The area whose cell holds a pixel, or -1.
    int areaAt(int x, int y) const;
};

OverviewLayout overviewLayout(const GameAreas& game);

// A picture `step` times smaller each way: every pixel the average, by
// colour channel, of a step x step block (smaller at the right and bottom
// edges), from a picture handed over in parts that cover it once (the pages
// of an area's map), without holding the whole.
class BlockAverager {
public:
    BlockAverager(int width, int height, int step);
    // Adds the top-left width x height pixels of `part`, which lie at (x, y)
    // of the whole; what falls outside the whole is left out.
    void add(const Picture& part, int width, int height, int x, int y);
    Picture result() const;

private:
    int width_, height_, step_, columns_, rows_;
    std::vector<std::uint32_t> sums_; // red, green, blue of each block
};

// Draws small pictures of areas with the renderer: the whole area as the
// level view shows it, shrunk to fit kThumbWidth x kThumbHeight. Areas that
// share a model and a world share one drawing.
class ThumbnailPainter {
public:
    ThumbnailPainter(GraphicsModel graphics, PaletteTables palettes);
    Picture thumbnail(const GameAreas& game, int area);
    // How much the thumbnail of an area is shrunk (pixels of the area per
    // pixel of the thumbnail).
    static int shrink(const AreaModel& model);

private:
    struct Drawn {
        std::weak_ptr<const void> model;
        unsigned edits = 0;
        int world = 0;
        Picture picture;
    };
    GraphicsModel graphics_;
    PaletteTables palettes_;
    std::vector<Drawn> drawn_;
};

// What the overview marks on a cell.
struct OverviewMarks {
    bool edited = false;
    bool damaged = false;
    bool shared = false;
    bool differs = false; // differs from the image "Compare with image..." read
    int errors = 0;
    int warnings = 0;
};

// The marks of one area, counting the problems of `problems` that name it.
OverviewMarks areaMarks(const GameAreas& game, int area, const std::vector<Problem>& problems);
std::vector<OverviewMarks> overviewMarks(const GameAreas& game, const std::vector<Problem>& problems);

// One arrow of the overview: from a door inside one thumbnail to the cell
// of the area it leads to.
struct OverviewArrow {
    int fromArea = 0;
    int toArea = 0;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// The arrows from the doors of one area, and of all areas.
std::vector<OverviewArrow> areaArrows(const GameAreas& game, int area, const OverviewLayout& layout);
std::vector<OverviewArrow> overviewArrows(const GameAreas& game, const OverviewLayout& layout);

// What the overview shows of one area: found while the area is visited
// whole, kept while the others are.
struct OverviewCell {
    Picture thumbnail;
    OverviewMarks marks;
    std::vector<OverviewArrow> arrows;
};
OverviewCell overviewCell(ThumbnailPainter& painter, const GameAreas& game, int area, const OverviewLayout& layout);

// The whole overview picture from the cells by area number.
Picture composeOverview(const OverviewLayout& layout, const std::vector<OverviewCell>& cells);
// The same into `picture`, whose pixels are used again when it has the size.
void composeOverviewInto(Picture& picture, const OverviewLayout& layout, const std::vector<OverviewCell>& cells);

// Hexadecimal digits in our own 3 x 5 pixel font, each pixel `scale` wide.
void drawHexText(Picture& picture, int x, int y, const std::string& digits, std::uint32_t colour, int scale);

} // namespace quorled
