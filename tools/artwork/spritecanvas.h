#pragma once

// A small drawing surface for the sprite artwork. Pixels hold inks (logical
// colours, Clear = transparent); the ink sets turn them into screen colours
// for each enemy colour set. Everything is drawn pixel by pixel with integer
// arithmetic, so the same code always gives the same pixels.

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace quorled::art {

enum Ink : std::uint8_t {
    Clear = 0, Black, White, Red, DarkRed, Pink, Grey, DarkGrey, Blue, DarkBlue,
    LightBlue, Green, DarkGreen, Yellow, Orange, Brown, Skin, Purple, Tan, Cyan, Lime,
    InkCount
};

// Ink of a pattern character: '.' or ' ' Clear, k Black, w White, r Red,
// R DarkRed, p Pink, g Grey, G DarkGrey, b Blue, B DarkBlue, l LightBlue,
// e Green, E DarkGreen, y Yellow, o Orange, n Brown, s Skin, u Purple, t Tan,
// c Cyan, i Lime.
Ink inkOf(char c);

class Canvas {
public:
    Canvas(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }
    Ink at(int x, int y) const;   // Clear outside the canvas

    void dot(int x, int y, Ink ink);   // clipped
    void box(int x0, int y0, int x1, int y1, Ink ink);    // filled, corners included
    void frame(int x0, int y0, int x1, int y1, Ink ink);  // outline of a box
    void oval(int x0, int y0, int x1, int y1, Ink ink);   // filled ellipse in the box
    void line(int x0, int y0, int x1, int y1, Ink ink);
    void triangle(int x0, int y0, int x1, int y1, int x2, int y2, Ink ink);   // filled
    // Rows of pattern characters with the top-left at (x, y); Clear leaves the
    // canvas unchanged.
    void pattern(int x, int y, std::initializer_list<const char*> rows);
    // Every ink `from` becomes `to`.
    void swap(Ink from, Ink to);
    // Clear pixels next to (4-neighbour) an opaque one become `ink`.
    void outline(Ink ink);
    void mirror();   // left-right
    void paste(const Canvas& other, int x, int y);   // opaque pixels only

private:
    int width_;
    int height_;
    std::vector<Ink> pixels_;
};

} // namespace quorled::art
