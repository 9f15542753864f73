#pragma once

#include <cstdint>
#include <vector>

namespace quorled {

// How a block copy combines the source with the destination.
enum class BlitOp {
    Copy, // the source replaces the destination
    And,  // destination = destination AND source
    Or,   // destination = destination OR source
};

// An in-memory picture of 0x00RRGGBB pixels, row by row. Every drawing call
// clips at the picture's edges, so callers may draw partly or wholly outside.
class Picture {
public:
    static constexpr int kTileSize = 16;

    Picture() = default;
    Picture(int width, int height, std::uint32_t fill = 0);

    int width() const { return width_; }
    int height() const { return height_; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    // Pixel value; 0 outside the picture.
    std::uint32_t pixel(int x, int y) const;
    void setPixel(int x, int y, std::uint32_t colour);
    void clear(std::uint32_t colour);

    // Boxes and lines include both corner points, in any corner order.
    void fillBox(int x1, int y1, int x2, int y2, std::uint32_t colour);
    void boxOutline(int x1, int y1, int x2, int y2, std::uint32_t colour);
    void line(int x1, int y1, int x2, int y2, std::uint32_t colour);

    // Combines a w x h block of `source` at (sx, sy) into this picture at
    // (dx, dy). Pixels outside either picture are left out.
    void blit(const Picture& source, int sx, int sy, int w, int h, int dx, int dy, BlitOp op);
    // Tile t of a sheet (16 tiles of 16 x 16 pixels a row) to pixel (dx, dy).
    void copyTile(const Picture& sheet, int tile, int dx, int dy, BlitOp op);

    const std::vector<std::uint32_t>& pixels() const { return pixels_; }
    std::vector<std::uint32_t>& pixels() { return pixels_; }

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint32_t> pixels_;
};

// Top-left pixel of tile t on a sheet.
constexpr int tileSheetX(int tile) { return Picture::kTileSize * (tile % 16); }
constexpr int tileSheetY(int tile) { return Picture::kTileSize * (tile / 16); }

} // namespace quorled
