// Pictures made from the scenery sheets: the preview used to check the artwork
// and the splash picture.

#include "pixelfont.h"
#include "scenerysheets.h"

#include <string>

namespace quorled::artwork {
namespace {

// Copies tile t of a recoloured sheet to (x, y) of image, clipped.
void putTile(QImage& image, const QImage& sheet, int tile, int x, int y)
{
    for (int dy = 0; dy < 16; ++dy)
        for (int dx = 0; dx < 16; ++dx) {
            const int px = x + dx, py = y + dy;
            if (px >= 0 && py >= 0 && px < image.width() && py < image.height())
                image.setPixel(px, py, sheet.pixel(16 * (tile % 16) + dx, 16 * (tile / 16) + dy));
        }
}

void putText(QImage& image, const std::string& s, int x, int y, int scale, QRgb ink)
{
    pixelfont::drawText5x7(s, x, y, scale, [&](int px, int py) {
        if (px >= 0 && py >= 0 && px < image.width() && py < image.height())
            image.setPixel(px, py, ink);
    });
}

} // namespace

QImage drawSceneryPreview()
{
    constexpr int kZoom = 2;
    constexpr int kCaption = 12;
    const int sheetHeight = 80 * kZoom + kCaption;
    QImage image(256 * kZoom, 4 * sheetHeight + kCaption + 176 * kZoom, QImage::Format_RGB32);
    image.fill(qRgb(0x30, 0x30, 0x30));
    int y0 = 0;
    for (int sheet : kScenerySheets) {
        const QImage colours = drawScenerySheet(sheet).toColourImage(worldPaletteRgb(sheet, 0), 80);
        putText(image, "SHEET " + std::to_string(sheet) + " WORLD " + std::to_string(sheet + 1) + " PALETTE 0", 2, y0 + 2,
                1, qRgb(0xFF, 0xFF, 0xFF));
        for (int y = 0; y < 80 * kZoom; ++y)
            for (int x = 0; x < 256 * kZoom; ++x)
                image.setPixel(x, y0 + kCaption + y, colours.pixel(x / kZoom, y / kZoom));
        y0 += sheetHeight;
    }
    putText(image, "LABEL TILES 80..255", 2, y0 + 2, 1, qRgb(0xFF, 0xFF, 0xFF));
    const QImage labels = drawWorksheetLabels();
    for (int y = 0; y < 176 * kZoom; ++y)
        for (int x = 0; x < 256 * kZoom; ++x)
            image.setPixel(x, y0 + kCaption + y, labels.pixel(x / kZoom, 80 + y / kZoom));
    return image;
}

QImage drawSplash()
{
    constexpr int kWidth = 480, kHeight = 270;
    const auto palette = worldPaletteRgb(0, 0);
    const QImage tiles = drawScenerySheet(0).toColourImage(palette, 80);
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(0xFF000000u | palette[0]);

    auto at = [&](int tile, int col, int row) { putTile(image, tiles, tile, 16 * col, 16 * row + 14); };
    // waterfall on the right, ground along the bottom
    for (int row = 0; row < 13; ++row)
        for (int col = 27; col < 29; ++col)
            at(row == 0 ? 20 : 23, col, row);
    for (int col = 0; col < 30; ++col) {
        at(43, col, 13);
        at(59, col, 14);
        at(59, col, 15);
    }
    // hill platform
    for (int col = 18; col < 24; ++col) {
        const int edge = col == 18 ? 0 : col == 23 ? 2 : 1;
        at(32 + edge, col, 10);
        at(48 + edge, col, 11);
        at(48 + edge, col, 12);
    }
    at(11, 3, 10); // jar
    at(13, 3, 11);
    at(27, 3, 12);
    at(35, 8, 9); // tree
    for (int row = 10; row < 13; ++row)
        at(26, 8, row);
    for (int col = 11; col < 17; ++col) // bricks and a ladder up to them
        at(45, col, 8);
    for (int row = 8; row < 13; ++row)
        at(25, 12, row);
    at(17, 14, 6);
    at(17, 15, 6);
    at(0, 15, 11); // door
    at(16, 15, 12);
    for (int row = 7; row < 10; ++row) // vine on the hill
        at(51, 21, row);
    at(35, 21, 6);
    at(18, 5, 12);
    at(18, 6, 12);
    at(3, 10, 12);
    at(1, 1, 6);
    at(2, 2, 6);
    at(10, 25, 5);
    at(7, 23, 7);
    at(8, 24, 7);
    at(9, 25, 7);
    at(36, 29, 11);
    at(52, 29, 12);

    const std::string title = "QUORLED";
    constexpr int kScale = 6;
    const int tx = (kWidth - pixelfont::textWidth5x7(title, kScale)) / 2;
    for (int d = 1; d <= 3; ++d)
        putText(image, title, tx + d, 24 + d, kScale, qRgb(0x10, 0x10, 0x30));
    putText(image, title, tx, 24, kScale, qRgb(0xFF, 0xFF, 0xFF));
    const std::string subtitle = "LEVEL EDITOR FOR QUORL";
    const int sx = (kWidth - pixelfont::textWidth5x7(subtitle, 2)) / 2;
    putText(image, subtitle, sx + 1, 79, 2, qRgb(0x10, 0x10, 0x30));
    putText(image, subtitle, sx, 78, 2, qRgb(0xFF, 0xF0, 0x80));
    return image;
}

} // namespace quorled::artwork
