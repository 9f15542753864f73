#include "spritepreview.h"

#include "pixelfont.h"
#include "view/catalogue.h"
#include "view/enemytiles.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace quorled::art {

namespace {

constexpr int kWidth = 8 + 5 * (256 + 8);
constexpr int kZoom = 2;
constexpr int kGap = 8;
constexpr int kLabelHeight = 12;
constexpr int kLastNamedEnemy = 0x4A;
constexpr QRgb kBackground = 0xFF3050A0;
constexpr QRgb kLabel = 0xFFFFFFFF;

std::string hex2(int v)
{
    char text[8];
    std::snprintf(text, sizeof text, "%02X", v);
    return text;
}

// One enemy drawn cell by cell, each 16 x 16 tile ANDed with the mask and
// ORed with the sheet, then enlarged.
void drawEnemyAt(QImage& out, const EnemySheets& sheets, int type, int left, int top)
{
    const Catalogue& catalogue = Catalogue::instance();
    const EnemyTileMap& tiles = EnemyTileMap::instance();
    for (int cy = 1; cy <= catalogue.enemyHeight(type); ++cy) {
        for (int cx = 1; cx <= catalogue.enemyWidth(type); ++cx) {
            const int t = tiles.tile(type, cx, cy);
            for (int py = 0; py < 16; ++py) {
                for (int px = 0; px < 16; ++px) {
                    const int sx = 16 * (t % 16) + px;
                    const int sy = 16 * (t / 16) + py;
                    const QRgb colour = (kBackground & sheets.mask.pixel(sx, sy)) | sheets.sheets[0].pixel(sx, sy);
                    const int ox = left + kZoom * (16 * (cx - 1) + px);
                    const int oy = top + kZoom * (16 * (cy - 1) + py);
                    for (int dy = 0; dy < kZoom; ++dy)
                        for (int dx = 0; dx < kZoom; ++dx)
                            out.setPixel(ox + dx, oy + dy, colour | 0xFF000000);
                }
            }
        }
    }
}

void copyImage(QImage& out, const QImage& in, int left, int top)
{
    for (int y = 0; y < in.height(); ++y)
        for (int x = 0; x < in.width(); ++x)
            out.setPixel(left + x, top + y, in.pixel(x, y));
}

} // namespace

QImage drawEnemyPreview(const EnemySheets& sheets)
{
    const Catalogue& catalogue = Catalogue::instance();

    // Shelf layout: left to right, a new row when the next enemy does not fit.
    struct Place { int type; int x; int y; };
    std::vector<Place> places;
    int x = kGap;
    int y = kGap;
    int rowHeight = 0;
    for (int type = 0; type <= kLastNamedEnemy; ++type) {
        const int w = std::max(kZoom * 16 * catalogue.enemyWidth(type), 32);
        const int h = kZoom * 16 * catalogue.enemyHeight(type) + kLabelHeight;
        if (x + w > kWidth - kGap) {
            x = kGap;
            y += rowHeight + kGap;
            rowHeight = 0;
        }
        places.push_back({type, x, y});
        x += w + kGap;
        rowHeight = std::max(rowHeight, h);
    }
    const int sheetsTop = y + rowHeight + 2 * kGap;
    const int height = sheetsTop + 256 + kGap;

    QImage out(kWidth, height, QImage::Format_RGB32);
    out.fill(kBackground);
    for (const Place& p : places) {
        drawEnemyAt(out, sheets, p.type, p.x, p.y);
        const int labelTop = p.y + kZoom * 16 * catalogue.enemyHeight(p.type) + 3;
        pixelfont::drawText3x5(hex2(p.type), p.x, labelTop, 1,
                               [&](int lx, int ly) { out.setPixel(lx, ly, kLabel); });
    }
    for (int k = 0; k < 4; ++k)
        copyImage(out, sheets.sheets[static_cast<std::size_t>(k)], kGap + k * (256 + kGap), sheetsTop);
    copyImage(out, sheets.mask, kGap + 4 * (256 + kGap), sheetsTop);
    return out;
}

QImage enlarged(const QImage& image, int zoom)
{
    QImage out(image.width() * zoom, image.height() * zoom, QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x)
            out.setPixel(x, y, image.pixel(x / zoom, y / zoom));
    return out;
}

} // namespace quorled::art
