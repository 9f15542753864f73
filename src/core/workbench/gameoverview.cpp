#include "core/workbench/gameoverview.h"

#include "core/workbench/doorlinks.h"
#include "core/workbench/gamestats.h"

#include "romdata/bytes.h"
#include "view/renderer.h"
#include "view/viewstate.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace quorled {

namespace {

constexpr std::uint32_t kBackground = 0x202428;
constexpr std::uint32_t kBand = 0x3A4450;
constexpr std::uint32_t kCellFrame = 0x50565C;
constexpr std::uint32_t kLabel = 0xE8E8E8;
constexpr std::uint32_t kEditedMark = 0xFFD040;
constexpr std::uint32_t kDamagedMark = 0xFF3030;
constexpr std::uint32_t kErrorMark = 0xFF5A3C;
constexpr std::uint32_t kWarningMark = 0xF0B000;
constexpr std::uint32_t kSharedMark = 0x70A0FF;
constexpr std::uint32_t kDiffersMark = 0xE040E0;
constexpr std::uint32_t kArrow = 0x60E0A0;

// Our own 3 x 5 digits 0..F, one row of three bits a line, top first.
constexpr std::array<std::array<std::uint8_t, 5>, 16> kHexGlyphs{{
    {7, 5, 5, 5, 7}, {2, 6, 2, 2, 7}, {7, 1, 7, 4, 7}, {7, 1, 3, 1, 7}, {5, 5, 7, 1, 1}, {7, 4, 7, 1, 7},
    {7, 4, 7, 5, 7}, {7, 1, 1, 2, 2}, {7, 5, 7, 5, 7}, {7, 5, 7, 1, 7}, {2, 5, 7, 5, 5}, {6, 5, 6, 5, 6},
    {3, 4, 4, 4, 3}, {6, 5, 5, 5, 6}, {7, 4, 6, 4, 7}, {7, 4, 6, 4, 4},
}};

int glyphIndex(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

BlockAverager::BlockAverager(int width, int height, int step)
    : width_(width), height_(height), step_(step), columns_((width + step - 1) / step), rows_((height + step - 1) / step),
      sums_(static_cast<std::size_t>(3 * columns_ * rows_), 0)
{
}

void BlockAverager::add(const Picture& part, int width, int height, int x, int y)
{
    const std::uint32_t* pixels = part.pixels().data();
    const int right = std::min(x + width, width_);
    for (int row = 0; row < height && y + row < height_; ++row) {
        const std::uint32_t* line = pixels + static_cast<std::ptrdiff_t>(row) * part.width() - x;
        std::uint32_t* sums = sums_.data() + static_cast<std::ptrdiff_t>(3 * columns_ * ((y + row) / step_));
        for (int block = x / step_; block * step_ < right; ++block) {
            std::uint32_t r = 0, g = 0, b = 0;
            for (int at = std::max(block * step_, x); at < std::min((block + 1) * step_, right); ++at) {
                const std::uint32_t c = line[at];
                r += (c >> 16) & 0xFF;
                g += (c >> 8) & 0xFF;
                b += c & 0xFF;
            }
            sums[3 * block] += r;
            sums[3 * block + 1] += g;
            sums[3 * block + 2] += b;
        }
    }
}

Picture BlockAverager::result() const
{
    Picture average(columns_, rows_);
    for (int row = 0; row < rows_; ++row)
        for (int column = 0; column < columns_; ++column) {
            const auto n = static_cast<std::uint32_t>((std::min((column + 1) * step_, width_) - column * step_) *
                                                      (std::min((row + 1) * step_, height_) - row * step_));
            const std::uint32_t* s = sums_.data() + 3 * (static_cast<std::ptrdiff_t>(row) * columns_ + column);
            average.setPixel(column, row, (s[0] / n) << 16 | (s[1] / n) << 8 | s[2] / n);
        }
    return average;
}

namespace {

void arrowHead(Picture& p, int x1, int y1, int x2, int y2, std::uint32_t colour)
{
    const double dx = x2 - x1, dy = y2 - y1;
    const double length = std::max(1.0, std::hypot(dx, dy));
    const double ux = dx / length, uy = dy / length;
    for (const double side : {-1.0, 1.0}) {
        const int hx = static_cast<int>(x2 - 6 * ux + side * 4 * uy);
        const int hy = static_cast<int>(y2 - 6 * uy - side * 4 * ux);
        p.line(x2, y2, hx, hy, colour);
    }
}

} // namespace

int OverviewLayout::areaAt(int x, int y) const
{
    for (std::size_t area = 0; area < cells.size(); ++area) {
        const Cell& c = cells[area];
        if (x >= c.x && x < c.x + kCellWidth && y >= c.y && y < c.y + kCellHeight)
            return static_cast<int>(area);
    }
    return -1;
}

OverviewLayout overviewLayout(const GameAreas& game)
{
    OverviewLayout layout;
    layout.cells.resize(game.areas.size());
    layout.width = 10 * OverviewLayout::kCellWidth + 8;
    int y = 4;
    const int levels = static_cast<int>(game.areas.size()) / 10;
    // Worlds in order, then the levels the table gives no world.
    for (int world : {1, 2, 3, 4, 5, 6, 7, 0}) {
        bool bandDrawn = false;
        for (int level = 0; level < levels; ++level) {
            if (worldOfArea(game, 10 * level) != world)
                continue;
            if (!bandDrawn) {
                layout.bands.push_back({world, y});
                y += OverviewLayout::kBandHeight;
                bandDrawn = true;
            }
            for (int slot = 0; slot < 10; ++slot)
                layout.cells[static_cast<std::size_t>(10 * level + slot)] = {4 + slot * OverviewLayout::kCellWidth, y};
            y += OverviewLayout::kCellHeight;
        }
    }
    layout.height = y + 4;
    return layout;
}

ThumbnailPainter::ThumbnailPainter(GraphicsModel graphics, PaletteTables palettes)
    : graphics_(std::move(graphics)), palettes_(std::move(palettes))
{
}

int ThumbnailPainter::shrink(const AreaModel& model)
{
    const int pages = model.header.levelLength() + 1;
    const int width = model.isVertical ? Renderer::kViewWidth : Renderer::kViewWidth * pages;
    const int height = model.isVertical ? Renderer::kViewHeight * pages : Renderer::kViewHeight;
    const int across = (width + OverviewLayout::kThumbWidth - 1) / OverviewLayout::kThumbWidth;
    const int down = (height + OverviewLayout::kThumbHeight - 1) / OverviewLayout::kThumbHeight;
    return std::max({4, across, down});
}

Picture ThumbnailPainter::thumbnail(const GameAreas& game, int area)
{
    const GameArea& a = game.areas[static_cast<std::size_t>(area)];
    const std::shared_ptr<const void> identity = a.modelIdentity();
    const int world = worldOfCurrentArea(area, game.directory.worldFirstArea);
    const auto same = [&](const Drawn& d) {
        return d.world == world && d.edits == a.modelEdits() && !d.model.owner_before(identity) &&
               !identity.owner_before(d.model);
    };
    std::erase_if(drawn_, [](const Drawn& d) { return d.model.expired(); });
    if (const auto known = std::find_if(drawn_.begin(), drawn_.end(), same); identity && known != drawn_.end())
        return known->picture;

    AreaModel model = game.ownModel(area);
    model.selectedObject = 0;
    model.selectedEnemy = 0;
    applyLevelPalette(graphics_, model, game.directory.worldFirstArea, palettes_);
    Renderer renderer(graphics_, palettes_);
    ViewState view;
    // The pages are averaged as they are drawn: the whole map is never held.
    const int pages = model.header.levelLength() + 1;
    BlockAverager averager(model.isVertical ? Renderer::kViewWidth : Renderer::kViewWidth * pages,
                           model.isVertical ? Renderer::kViewHeight * pages : Renderer::kViewHeight, shrink(model));
    drawAreaMapPages(renderer, model, view, game.directory.worldFirstArea, [&](const Picture& page, int x, int y) {
        averager.add(page, Renderer::kViewWidth, Renderer::kViewHeight, x, y);
    });
    Picture thumb = averager.result();
    if (identity)
        drawn_.push_back({identity, a.modelEdits(), world, thumb});
    return thumb;
}

OverviewMarks areaMarks(const GameAreas& game, int area, const std::vector<Problem>& problems)
{
    const GameArea& a = game.areas[static_cast<std::size_t>(area)];
    OverviewMarks marks;
    marks.edited = a.edited;
    marks.damaged = !a.model().damage.empty();
    marks.shared = game.sharesData(area);
    for (const Problem& p : problems) {
        if (p.area != area)
            continue;
        if (p.severity == Severity::Error)
            ++marks.errors;
        else if (p.severity == Severity::Warning)
            ++marks.warnings;
    }
    return marks;
}

std::vector<OverviewMarks> overviewMarks(const GameAreas& game, const std::vector<Problem>& problems)
{
    std::vector<std::vector<Problem>> byArea(game.areas.size());
    for (const Problem& p : problems)
        if (p.area >= 0 && p.area < static_cast<int>(byArea.size()))
            byArea[static_cast<std::size_t>(p.area)].push_back(p);
    std::vector<OverviewMarks> marks;
    for (int area = 0; area < static_cast<int>(game.areas.size()); ++area)
        marks.push_back(areaMarks(game, area, byArea[static_cast<std::size_t>(area)]));
    return marks;
}

std::vector<OverviewArrow> areaArrows(const GameAreas& game, int area, const OverviewLayout& layout)
{
    std::vector<OverviewArrow> arrows;
    const AreaModel& m = game.model(area);
    const int step = ThumbnailPainter::shrink(m);
    const auto& from = layout.cells[static_cast<std::size_t>(area)];
    for (const DoorLink& link : doorLinks(m)) {
        if (!link.to.areaExists() || link.to.area() >= static_cast<int>(layout.cells.size()))
            continue;
        const LevelObject& anchor = m.object(link.door ? link.door : link.pointer);
        const auto& to = layout.cells[static_cast<std::size_t>(link.to.area())];
        OverviewArrow a;
        a.fromArea = area;
        a.toArea = link.to.area();
        a.x1 = from.x + 4 + (anchor.x * 16 + 8) / step;
        a.y1 = from.y + OverviewLayout::kLabelHeight + (anchor.y * 16 + 8) / step;
        a.x2 = to.x + OverviewLayout::kCellWidth / 2;
        a.y2 = to.y + OverviewLayout::kLabelHeight / 2;
        arrows.push_back(a);
    }
    return arrows;
}

std::vector<OverviewArrow> overviewArrows(const GameAreas& game, const OverviewLayout& layout)
{
    std::vector<OverviewArrow> arrows;
    for (int area = 0; area < static_cast<int>(game.areas.size()); ++area) {
        std::vector<OverviewArrow> more = areaArrows(game, area, layout);
        arrows.insert(arrows.end(), more.begin(), more.end());
    }
    return arrows;
}

OverviewCell overviewCell(ThumbnailPainter& painter, const GameAreas& game, int area, const OverviewLayout& layout)
{
    return {painter.thumbnail(game, area), areaMarks(game, area, checkArea(game, area)), areaArrows(game, area, layout)};
}

void drawHexText(Picture& picture, int x, int y, const std::string& digits, std::uint32_t colour, int scale)
{
    for (const char c : digits) {
        const int glyph = glyphIndex(c);
        if (glyph >= 0)
            for (int row = 0; row < 5; ++row)
                for (int column = 0; column < 3; ++column)
                    if (kHexGlyphs[static_cast<std::size_t>(glyph)][static_cast<std::size_t>(row)] & (4 >> column))
                        picture.fillBox(x + column * scale, y + row * scale, x + column * scale + scale - 1,
                                        y + row * scale + scale - 1, colour);
        x += 4 * scale;
    }
}

Picture composeOverview(const OverviewLayout& layout, const std::vector<OverviewCell>& cells)
{
    Picture p;
    composeOverviewInto(p, layout, cells);
    return p;
}

void composeOverviewInto(Picture& p, const OverviewLayout& layout, const std::vector<OverviewCell>& cells)
{
    if (p.width() == layout.width && p.height() == layout.height)
        p.clear(kBackground);
    else
        p = Picture(layout.width, layout.height, kBackground);
    for (const auto& band : layout.bands) {
        p.fillBox(0, band.y, layout.width - 1, band.y + OverviewLayout::kBandHeight - 3, kBand);
        if (band.world > 0)
            drawHexText(p, 8, band.y + 2, std::to_string(band.world), kLabel, 2);
    }
    for (std::size_t area = 0; area < layout.cells.size() && area < cells.size(); ++area) {
        const auto& c = layout.cells[area];
        const OverviewMarks& m = cells[area].marks;
        p.boxOutline(c.x, c.y, c.x + OverviewLayout::kCellWidth - 3, c.y + OverviewLayout::kCellHeight - 3,
                     m.damaged ? kDamagedMark : kCellFrame);
        drawHexText(p, c.x + 4, c.y + 3, hex2(static_cast<long>(area)), kLabel, 2);
        // Marks to the right of the number: edited, errors, warnings, shared,
        // differs from the compared image.
        int markX = c.x + 28;
        const auto mark = [&](bool on, std::uint32_t colour) {
            if (!on)
                return;
            p.fillBox(markX, c.y + 3, markX + 8, c.y + 11, colour);
            markX += 12;
        };
        mark(m.edited, kEditedMark);
        mark(m.errors > 0 || m.damaged, kErrorMark);
        mark(m.warnings > 0, kWarningMark);
        mark(m.shared, kSharedMark);
        mark(m.differs, kDiffersMark);
        const Picture& thumb = cells[area].thumbnail;
        p.blit(thumb, 0, 0, std::min(thumb.width(), OverviewLayout::kThumbWidth),
               std::min(thumb.height(), OverviewLayout::kThumbHeight), c.x + 4, c.y + OverviewLayout::kLabelHeight,
               BlitOp::Copy);
    }
    for (std::size_t area = 0; area < layout.cells.size() && area < cells.size(); ++area)
        for (const OverviewArrow& a : cells[area].arrows) {
            p.line(a.x1, a.y1, a.x2, a.y2, kArrow);
            arrowHead(p, a.x1, a.y1, a.x2, a.y2, kArrow);
        }
}

} // namespace quorled
