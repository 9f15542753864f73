#include "picture.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace quorled {

Picture::Picture(int width, int height, std::uint32_t fill)
    : width_(std::max(width, 0)), height_(std::max(height, 0)),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), fill)
{
}

std::uint32_t Picture::pixel(int x, int y) const
{
    if (!contains(x, y))
        return 0;
    return pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)];
}

void Picture::setPixel(int x, int y, std::uint32_t colour)
{
    if (contains(x, y))
        pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)] = colour;
}

void Picture::clear(std::uint32_t colour)
{
    // Fills one row, then copies what is filled in ever larger blocks: a
    // few block copies instead of one store per pixel of a large view.
    const std::size_t total = pixels_.size();
    const std::size_t first = std::min<std::size_t>(total, static_cast<std::size_t>(std::max(width_, 1)));
    std::fill(pixels_.begin(), pixels_.begin() + static_cast<std::ptrdiff_t>(first), colour);
    for (std::size_t done = first; done < total;) {
        const std::size_t n = std::min(done, total - done);
        std::memcpy(pixels_.data() + done, pixels_.data(), n * sizeof(std::uint32_t));
        done += n;
    }
}

void Picture::fillBox(int x1, int y1, int x2, int y2, std::uint32_t colour)
{
    const int left = std::max(std::min(x1, x2), 0);
    const int right = std::min(std::max(x1, x2), width_ - 1);
    const int top = std::max(std::min(y1, y2), 0);
    const int bottom = std::min(std::max(y1, y2), height_ - 1);
    if (left > right)
        return;
    for (int y = top; y <= bottom; ++y) {
        auto row = pixels_.begin() + static_cast<std::ptrdiff_t>(y) * width_;
        std::fill(row + left, row + right + 1, colour);
    }
}

void Picture::boxOutline(int x1, int y1, int x2, int y2, std::uint32_t colour)
{
    line(x1, y1, x2, y1, colour);
    line(x1, y2, x2, y2, colour);
    line(x1, y1, x1, y2, colour);
    line(x2, y1, x2, y2, colour);
}

void Picture::line(int x1, int y1, int x2, int y2, std::uint32_t colour)
{
    if (x1 == x2 || y1 == y2) {
        fillBox(x1, y1, x2, y2, colour);
        return;
    }
    // Bresenham, both end points included.
    const int dx = std::abs(x2 - x1);
    const int dy = -std::abs(y2 - y1);
    const int stepX = x1 < x2 ? 1 : -1;
    const int stepY = y1 < y2 ? 1 : -1;
    int error = dx + dy;
    for (;;) {
        setPixel(x1, y1, colour);
        if (x1 == x2 && y1 == y2)
            break;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x1 += stepX;
        }
        if (twice <= dx) {
            error += dx;
            y1 += stepY;
        }
    }
}

void Picture::blit(const Picture& source, int sx, int sy, int w, int h, int dx, int dy, BlitOp op)
{
    // Shrink the block until it lies inside both pictures.
    if (sx < 0) { dx -= sx; w += sx; sx = 0; }
    if (sy < 0) { dy -= sy; h += sy; sy = 0; }
    if (dx < 0) { sx -= dx; w += dx; dx = 0; }
    if (dy < 0) { sy -= dy; h += dy; dy = 0; }
    w = std::min({w, source.width_ - sx, width_ - dx});
    h = std::min({h, source.height_ - sy, height_ - dy});
    if (w <= 0 || h <= 0)
        return;
    for (int row = 0; row < h; ++row) {
        const std::uint32_t* from = source.pixels_.data() + static_cast<std::ptrdiff_t>(sy + row) * source.width_ + sx;
        std::uint32_t* to = pixels_.data() + static_cast<std::ptrdiff_t>(dy + row) * width_ + dx;
        switch (op) {
        case BlitOp::Copy:
            std::copy(from, from + w, to);
            break;
        case BlitOp::And:
            for (int i = 0; i < w; ++i)
                to[i] &= from[i];
            break;
        case BlitOp::Or:
            for (int i = 0; i < w; ++i)
                to[i] |= from[i];
            break;
        }
    }
}

void Picture::copyTile(const Picture& sheet, int tile, int dx, int dy, BlitOp op)
{
    if (tile < 0)
        return;
    blit(sheet, tileSheetX(tile), tileSheetY(tile), kTileSize, kTileSize, dx, dy, op);
}

} // namespace quorled
