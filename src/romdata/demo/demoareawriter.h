#pragma once

#include <cstdint>
#include <vector>

namespace quorled {

// The header fields of a demo area.
struct DemoHeader {
    bool horizontal = true;
    int levelPalette = 0;  // 0..7
    int enemyPalette = 0;  // 0..3
    int groundSetting = 1; // 0..31
    int pages = 1;         // 1..16
    int objectSet = 0;     // 0..15
    int groundType = 0;    // 0..7
    int music = 0;         // 0..3
};

// Collects the objects and enemies of one area by position and writes them
// in the stream form: objects sorted by row within each layer, page skips
// inserted where a row step is too large, every special object other than a
// pointer at the end of its page (so that saving the area unchanged gives the
// same bytes back), enemies grouped by page and sorted within it.
class DemoAreaWriter {
public:
    explicit DemoAreaWriter(const DemoHeader& header);

    const DemoHeader& header() const { return header_; }
    int pages() const { return header_.pages; }
    bool horizontal() const { return header_.horizontal; }

    // A normal object at page, row 0..14 and column 0..15 of the current layer.
    void object(int page, int row, int column, int type);
    // A door-like object followed by its pointer (destination area, page).
    void door(int page, int row, int column, int type, int destArea, int destPage);
    // A special object of kind 0, 1 or 6..14 at the end of `page`.
    void special(int page, int kind, int param);
    // Ground from `column` of `page` on (kind 0 covers columns 0..7, kind 1
    // columns 8..15 of the page).
    void groundFrom(int page, int column, int setting);
    // Ground type from the last ground change on.
    void groundType(int page, int type);
    // Ends the current layer; the following objects start again at row 0.
    void nextLayer();

    // An enemy at the area's absolute cell: in a horizontal area x counts
    // 16 columns a page, in a vertical area y counts 16 rows a page.
    void enemy(int type, int x, int y);

    // Header and object stream with its end marker.
    std::vector<std::uint8_t> levelBytes() const;
    // The enemy pages up to the last page that holds an enemy (at least
    // page 0), without any closing byte.
    std::vector<std::uint8_t> enemyPages() const;
    int enemyCount() const { return static_cast<int>(enemies_.size()); }

private:
    struct Item {
        int key;  // running row, specials at 15 (after every row of the page)
        int seq;
        std::vector<std::uint8_t> bytes;
        int column;
        bool special;
    };
    struct EnemyEntry {
        int type, x, y, seq;
    };

    void add(int page, int rowKey, int column, bool special, std::vector<std::uint8_t> bytes);
    static void writeLayer(std::vector<Item> items, std::vector<std::uint8_t>& out);

    DemoHeader header_;
    std::vector<std::vector<Item>> layers_;
    std::vector<EnemyEntry> enemies_;
    int seq_ = 0;
};

} // namespace quorled
