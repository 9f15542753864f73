// The working sheet's label tiles: the door-pointer label, the special-object
// labels and the checkerboard that stands for a missing picture.

#include "pixelfont.h"
#include "scenerysheets.h"

#include <string_view>

namespace quorled::artwork {
namespace {

void box(QImage& image, int x0, int y0, QRgb fill, QRgb border)
{
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            image.setPixel(x0 + x, y0 + y, (x == 0 || y == 0 || x == 15 || y == 15) ? border : fill);
}

// Centred in the 15 pixels right of the tile's left border.
void text(QImage& image, std::string_view s, int x0, int y, QRgb ink)
{
    const int x = x0 + 1 + (15 - pixelfont::textWidth3x5(s, 1)) / 2;
    pixelfont::drawText3x5(s, x, y, 1, [&](int px, int py) { image.setPixel(px, py, ink); });
}

void checkerboard(QImage& image, int x0, int y0)
{
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            image.setPixel(x0 + x, y0 + y, ((x / 4 + y / 4) % 2) ? qRgb(0xFF, 0x88, 0x00) : qRgb(0xFF, 0xE8, 0x00));
}

void doorPointerLabel(QImage& image, int x0, int y0)
{
    box(image, x0, y0, qRgb(0x20, 0x20, 0x50), qRgb(0xA0, 0xA0, 0xFF));
    text(image, "PTR", x0, y0 + 2, qRgb(0xFF, 0xFF, 0xFF));
    const QRgb arrow = qRgb(0xFF, 0xE0, 0x40);
    for (int x = 2; x <= 7; ++x)
        image.setPixel(x0 + x, y0 + 11, arrow);
    for (int i = 0; i < 3; ++i) {
        image.setPixel(x0 + 7 - i, y0 + 11 - i - 1 + 0, arrow);
        image.setPixel(x0 + 7 - i, y0 + 11 + i + 1 - 0, arrow);
    }
    const QRgb door = qRgb(0xE0, 0x80, 0x30);
    for (int y = 8; y <= 14; ++y)
        for (int x = 9; x <= 13; ++x)
            image.setPixel(x0 + x, y0 + y, (x == 9 || x == 13 || y == 8) ? qRgb(0x00, 0x00, 0x00) : door);
    image.setPixel(x0 + 12, y0 + 12, qRgb(0xFF, 0xFF, 0xFF));
}

void specialLabel(QImage& image, int kind, int x0, int y0)
{
    std::string_view word = "?";
    QRgb fill = qRgb(0x50, 0x50, 0x50);
    switch (kind) {
    case 0: case 1: case 6: word = "GRND"; fill = qRgb(0x10, 0x60, 0x10); break;
    case 2: case 3: word = "SKIP"; fill = qRgb(0x60, 0x10, 0x70); break;
    case 4: word = "BACK"; fill = qRgb(0x00, 0x58, 0x60); break;
    case 5: word = "PTR"; fill = qRgb(0x20, 0x20, 0x90); break;
    case 15: word = "END"; fill = qRgb(0x90, 0x10, 0x10); break;
    default: break;
    }
    // Border on the left and top only, so that four letters fit beside it;
    // the next label's border separates it on the right.
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            image.setPixel(x0 + x, y0 + y, (x == 0 || y == 0) ? qRgb(0xFF, 0xFF, 0xFF) : fill);
    const std::string number = std::to_string(kind);
    text(image, number, x0, y0 + 2, qRgb(0xFF, 0xFF, 0x60));
    text(image, word, x0, y0 + 9, qRgb(0xFF, 0xFF, 0xFF));
}

} // namespace

QImage drawWorksheetLabels()
{
    QImage image(256, 256, QImage::Format_RGB32);
    image.fill(0xFF000000u); // rows 0..79 receive the recoloured scenery
    for (int tile = 80; tile < 256; ++tile) {
        const int x0 = 16 * (tile % 16), y0 = 16 * (tile / 16);
        if (tile == 224)
            doorPointerLabel(image, x0, y0);
        else if (tile >= 240)
            specialLabel(image, tile - 240, x0, y0);
        else
            checkerboard(image, x0, y0);
    }
    return image;
}

} // namespace quorled::artwork
