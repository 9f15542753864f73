#include "spritecanvas.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace quorled::art {

Ink inkOf(char c)
{
    static constexpr const char* kKeys = "kwrRpgGbBleEyonsutci";
    const char* at = std::strchr(kKeys, c);
    if (c == '\0' || at == nullptr)
        return Clear;
    return static_cast<Ink>(Black + (at - kKeys));
}

Canvas::Canvas(int width, int height)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width * height), Clear)
{
}

Ink Canvas::at(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return Clear;
    return pixels_[static_cast<std::size_t>(y * width_ + x)];
}

void Canvas::dot(int x, int y, Ink ink)
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return;
    pixels_[static_cast<std::size_t>(y * width_ + x)] = ink;
}

void Canvas::box(int x0, int y0, int x1, int y1, Ink ink)
{
    for (int y = std::min(y0, y1); y <= std::max(y0, y1); ++y)
        for (int x = std::min(x0, x1); x <= std::max(x0, x1); ++x)
            dot(x, y, ink);
}

void Canvas::frame(int x0, int y0, int x1, int y1, Ink ink)
{
    line(x0, y0, x1, y0, ink);
    line(x0, y1, x1, y1, ink);
    line(x0, y0, x0, y1, ink);
    line(x1, y0, x1, y1, ink);
}

void Canvas::oval(int x0, int y0, int x1, int y1, Ink ink)
{
    // In doubled coordinates the centre and the radii are whole numbers; a pixel
    // belongs to the ellipse when its centre lies inside.
    const long cx = x0 + x1 + 1;
    const long cy = y0 + y1 + 1;
    const long rx = x1 - x0 + 1;
    const long ry = y1 - y0 + 1;
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            const long dx = 2 * x + 1 - cx;
            const long dy = 2 * y + 1 - cy;
            if (dx * dx * ry * ry + dy * dy * rx * rx <= rx * rx * ry * ry)
                dot(x, y, ink);
        }
    }
}

void Canvas::line(int x0, int y0, int x1, int y1, Ink ink)
{
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        dot(x0, y0, ink);
        if (x0 == x1 && y0 == y1)
            break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

void Canvas::triangle(int x0, int y0, int x1, int y1, int x2, int y2, Ink ink)
{
    // A pixel is inside when its centre is on the same side of all three edges
    // (doubled coordinates keep the test in integers); the edges are drawn too.
    const auto side = [](long ax, long ay, long bx, long by, long px, long py) {
        return (bx - ax) * (py - ay) - (by - ay) * (px - ax);
    };
    for (int y = std::min({y0, y1, y2}); y <= std::max({y0, y1, y2}); ++y) {
        for (int x = std::min({x0, x1, x2}); x <= std::max({x0, x1, x2}); ++x) {
            const long px = 2 * x;
            const long py = 2 * y;
            const long a = side(2 * x0, 2 * y0, 2 * x1, 2 * y1, px, py);
            const long b = side(2 * x1, 2 * y1, 2 * x2, 2 * y2, px, py);
            const long c = side(2 * x2, 2 * y2, 2 * x0, 2 * y0, px, py);
            if ((a >= 0 && b >= 0 && c >= 0) || (a <= 0 && b <= 0 && c <= 0))
                dot(x, y, ink);
        }
    }
    line(x0, y0, x1, y1, ink);
    line(x1, y1, x2, y2, ink);
    line(x2, y2, x0, y0, ink);
}

void Canvas::pattern(int x, int y, std::initializer_list<const char*> rows)
{
    int row = 0;
    for (const char* text : rows) {
        for (int col = 0; text[col] != '\0'; ++col) {
            const Ink ink = inkOf(text[col]);
            if (ink != Clear)
                dot(x + col, y + row, ink);
        }
        ++row;
    }
}

void Canvas::swap(Ink from, Ink to)
{
    std::replace(pixels_.begin(), pixels_.end(), from, to);
}

void Canvas::outline(Ink ink)
{
    const Canvas before = *this;
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            if (before.at(x, y) != Clear)
                continue;
            if (before.at(x - 1, y) != Clear || before.at(x + 1, y) != Clear
                || before.at(x, y - 1) != Clear || before.at(x, y + 1) != Clear)
                dot(x, y, ink);
        }
    }
}

void Canvas::mirror()
{
    for (int y = 0; y < height_; ++y)
        std::reverse(pixels_.begin() + y * width_, pixels_.begin() + (y + 1) * width_);
}

void Canvas::paste(const Canvas& other, int x, int y)
{
    for (int sy = 0; sy < other.height(); ++sy)
        for (int sx = 0; sx < other.width(); ++sx)
            if (other.at(sx, sy) != Clear)
                dot(x + sx, y + sy, other.at(sx, sy));
}

} // namespace quorled::art
