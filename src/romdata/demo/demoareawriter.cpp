#include "demoareawriter.h"

#include "../imageerror.h"

#include <algorithm>
#include <string>

namespace quorled {

namespace {

constexpr int kRows = 15;

void check(bool ok, const char* what)
{
    if (!ok)
        throw ImageError(std::string("The demo area builder was given ") + what + ".");
}

// Moves the running row forward by whole pages with skip objects until it
// lies on `page`.
void skipToPage(int& row, int page, std::vector<std::uint8_t>& out)
{
    while (row / kRows < page) {
        if (row / kRows + 2 <= page) {
            out.push_back(0xF3);
            row = (row / kRows) * kRows + 2 * kRows;
        } else {
            out.push_back(0xF2);
            row = (row / kRows) * kRows + kRows;
        }
    }
}

} // namespace

DemoAreaWriter::DemoAreaWriter(const DemoHeader& header) : header_(header), layers_(1)
{
    check(header.pages >= 1 && header.pages <= 16, "a length outside 1..16 pages");
}

void DemoAreaWriter::add(int page, int rowKey, int column, bool special, std::vector<std::uint8_t> bytes)
{
    check(page >= 0 && page < header_.pages, "an object outside the area");
    check(column >= 0 && column < 16, "a column outside the page");
    layers_.back().push_back(Item{page * 16 + rowKey, seq_++, std::move(bytes), column, special});
}

void DemoAreaWriter::object(int page, int row, int column, int type)
{
    check(row >= 0 && row < kRows, "a row outside the page");
    add(page, row, column, false, {static_cast<std::uint8_t>(type)});
}

void DemoAreaWriter::door(int page, int row, int column, int type, int destArea, int destPage)
{
    object(page, row, column, type);
    // The pointer keeps the door's row: destination level, then slot and page.
    add(page, row, column, true,
        {0xF5, static_cast<std::uint8_t>(destArea / 10), static_cast<std::uint8_t>((destArea % 10) * 16 + destPage)});
}

void DemoAreaWriter::special(int page, int kind, int param)
{
    check(kind != 2 && kind != 3 && kind != 4 && kind != 5 && kind < 15, "a special kind it places itself");
    add(page, 15, 0, true, {static_cast<std::uint8_t>(0xF0 + kind), static_cast<std::uint8_t>(param)});
}

void DemoAreaWriter::groundFrom(int page, int column, int setting)
{
    const int kind = column >= 8 ? 1 : 0;
    special(page, kind, ((column & 7) << 5) | (setting & 0x1F));
}

void DemoAreaWriter::groundType(int page, int type)
{
    special(page, 6, type & 0x0F);
}

void DemoAreaWriter::nextLayer()
{
    layers_.emplace_back();
}

void DemoAreaWriter::enemy(int type, int x, int y)
{
    const int page = header_.horizontal ? x / 16 : y / 16;
    check(x >= 0 && y >= 0 && page < header_.pages, "an enemy outside the area");
    check(header_.horizontal ? y < 16 : x < 16, "an enemy outside the page");
    enemies_.push_back(EnemyEntry{type, x, y, seq_++});
}

void DemoAreaWriter::writeLayer(std::vector<Item> items, std::vector<std::uint8_t>& out)
{
    std::stable_sort(items.begin(), items.end(),
                     [](const Item& a, const Item& b) { return a.key != b.key ? a.key < b.key : a.seq < b.seq; });
    int row = 0;
    for (const Item& item : items) {
        const int page = item.key / 16;
        if (item.special) {
            if (item.bytes[0] != 0xF5)
                skipToPage(row, page, out);
            out.insert(out.end(), item.bytes.begin(), item.bytes.end());
            continue;
        }
        const int target = page * kRows + item.key % 16;
        if (target - row > 14)
            skipToPage(row, target / kRows, out);
        out.push_back(static_cast<std::uint8_t>(((target - row) << 4) | item.column));
        out.push_back(item.bytes[0]);
        row = target;
    }
}

std::vector<std::uint8_t> DemoAreaWriter::levelBytes() const
{
    const DemoHeader& h = header_;
    std::vector<std::uint8_t> out{
        static_cast<std::uint8_t>((h.horizontal ? 0x80 : 0) | (h.levelPalette & 7) << 3 | (h.enemyPalette & 3)),
        static_cast<std::uint8_t>(h.groundSetting & 0x1F),
        static_cast<std::uint8_t>((h.pages - 1) << 4 | (h.objectSet & 15)),
        static_cast<std::uint8_t>((h.groundType & 7) << 3 | (h.music & 3))};
    for (std::size_t layer = 0; layer < layers_.size(); ++layer) {
        if (layer > 0)
            out.push_back(0xF4);
        writeLayer(layers_[layer], out);
    }
    out.push_back(0xFF);
    return out;
}

std::vector<std::uint8_t> DemoAreaWriter::enemyPages() const
{
    std::vector<EnemyEntry> sorted = enemies_;
    const bool h = header_.horizontal;
    // Within a page the enemies stand in the order a save sorts them.
    std::stable_sort(sorted.begin(), sorted.end(),
                     [h](const EnemyEntry& a, const EnemyEntry& b) { return h ? a.x < b.x : a.y < b.y; });
    int lastPage = 0;
    for (const EnemyEntry& e : sorted)
        lastPage = std::max(lastPage, h ? e.x / 16 : e.y / 16);
    std::vector<std::uint8_t> out;
    for (int page = 0; page <= lastPage; ++page) {
        std::vector<std::uint8_t> entries;
        for (const EnemyEntry& e : sorted) {
            if ((h ? e.x / 16 : e.y / 16) != page)
                continue;
            entries.push_back(static_cast<std::uint8_t>(e.type));
            entries.push_back(static_cast<std::uint8_t>(((e.x & 15) << 4) | (e.y & 15)));
        }
        out.push_back(static_cast<std::uint8_t>(1 + entries.size()));
        out.insert(out.end(), entries.begin(), entries.end());
    }
    return out;
}

} // namespace quorled
