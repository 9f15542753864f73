#pragma once

// Two tiny bitmap fonts for the artwork tools, so that text in the pictures is
// the same pixels on every machine: a 3 x 5 font for labels inside 16 x 16 tiles
// and a 5 x 7 font for titles (scaled up by the caller).

#include <array>
#include <cstdint>
#include <string_view>

namespace quorled::pixelfont {

// 3 x 5 glyph: 15 characters, rows top first, '#' = ink.
constexpr std::string_view glyph3x5(char c)
{
    switch (c) {
    case '0': return "####.##.##.####";
    case '1': return ".#.##..#..#.###";
    case '2': return "###..#####..###";
    case '3': return "###..####..####";
    case '4': return "#.##.####..#..#";
    case '5': return "####..###..####";
    case '6': return "####..####.####";
    case '7': return "###..#..#..#..#";
    case '8': return "####.#####.####";
    case '9': return "####.####..####";
    case 'A': return ".#.#.####.##.##";
    case 'B': return "##.#.###.#.###.";
    case 'C': return ".###..#..#...##";
    case 'D': return "##.#.##.##.###.";
    case 'E': return "####..##.#..###";
    case 'F': return "####..##.#..#..";
    case 'G': return ".###..#.##.#.##";
    case 'H': return "#.##.####.##.##";
    case 'I': return "###.#..#..#.###";
    case 'J': return "..#..#..##.#.#.";
    case 'K': return "#.###.#..##.#.#";
    case 'L': return "#..#..#..#..###";
    case 'M': return "#.#####.##.##.#";
    case 'N': return "##.#.##.##.##.#";
    case 'O': return ".#.#.##.##.#.#.";
    case 'P': return "##.#.###.#..#..";
    case 'Q': return ".#.#.##.##.#..#";
    case 'R': return "##.#.###.#.##.#";
    case 'S': return ".###...#...###.";
    case 'T': return "###.#..#..#..#.";
    case 'U': return "#.##.##.##.####";
    case 'V': return "#.##.##.##.#.#.";
    case 'W': return "#.##.##.######.";
    case 'X': return "#.##.#.#.#.##.#";
    case 'Y': return "#.##.#.#..#..#.";
    case 'Z': return "###..#.#.#..###";
    case '?': return "###..#.#.....#.";
    case '-': return "......###......";
    case '.': return ".............#.";
    default: return "...............";
    }
}

// 5 x 7 glyph: seven rows, bit 4 = leftmost pixel.
constexpr std::array<std::uint8_t, 7> glyph5x7(char c)
{
    switch (c) {
    case '0': return {0x0E, 0x11, 0x13, 0x15, 0x19, 0x11, 0x0E};
    case '1': return {0x04, 0x0C, 0x04, 0x04, 0x04, 0x04, 0x0E};
    case '2': return {0x0E, 0x11, 0x01, 0x02, 0x04, 0x08, 0x1F};
    case '3': return {0x1F, 0x02, 0x04, 0x02, 0x01, 0x11, 0x0E};
    case '4': return {0x02, 0x06, 0x0A, 0x12, 0x1F, 0x02, 0x02};
    case '5': return {0x1F, 0x10, 0x1E, 0x01, 0x01, 0x11, 0x0E};
    case '6': return {0x06, 0x08, 0x10, 0x1E, 0x11, 0x11, 0x0E};
    case '7': return {0x1F, 0x01, 0x02, 0x04, 0x08, 0x08, 0x08};
    case '8': return {0x0E, 0x11, 0x11, 0x0E, 0x11, 0x11, 0x0E};
    case '9': return {0x0E, 0x11, 0x11, 0x0F, 0x01, 0x02, 0x0C};
    case 'A': return {0x0E, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x11};
    case 'B': return {0x1E, 0x11, 0x11, 0x1E, 0x11, 0x11, 0x1E};
    case 'C': return {0x0E, 0x11, 0x10, 0x10, 0x10, 0x11, 0x0E};
    case 'D': return {0x1C, 0x12, 0x11, 0x11, 0x11, 0x12, 0x1C};
    case 'E': return {0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x1F};
    case 'F': return {0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x10};
    case 'G': return {0x0E, 0x11, 0x10, 0x17, 0x11, 0x11, 0x0F};
    case 'H': return {0x11, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x11};
    case 'I': return {0x0E, 0x04, 0x04, 0x04, 0x04, 0x04, 0x0E};
    case 'J': return {0x07, 0x02, 0x02, 0x02, 0x02, 0x12, 0x0C};
    case 'K': return {0x11, 0x12, 0x14, 0x18, 0x14, 0x12, 0x11};
    case 'L': return {0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x1F};
    case 'M': return {0x11, 0x1B, 0x15, 0x15, 0x11, 0x11, 0x11};
    case 'N': return {0x11, 0x11, 0x19, 0x15, 0x13, 0x11, 0x11};
    case 'O': return {0x0E, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E};
    case 'P': return {0x1E, 0x11, 0x11, 0x1E, 0x10, 0x10, 0x10};
    case 'Q': return {0x0E, 0x11, 0x11, 0x11, 0x15, 0x12, 0x0D};
    case 'R': return {0x1E, 0x11, 0x11, 0x1E, 0x14, 0x12, 0x11};
    case 'S': return {0x0F, 0x10, 0x10, 0x0E, 0x01, 0x01, 0x1E};
    case 'T': return {0x1F, 0x04, 0x04, 0x04, 0x04, 0x04, 0x04};
    case 'U': return {0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E};
    case 'V': return {0x11, 0x11, 0x11, 0x11, 0x11, 0x0A, 0x04};
    case 'W': return {0x11, 0x11, 0x11, 0x15, 0x15, 0x15, 0x0A};
    case 'X': return {0x11, 0x11, 0x0A, 0x04, 0x0A, 0x11, 0x11};
    case 'Y': return {0x11, 0x11, 0x11, 0x0A, 0x04, 0x04, 0x04};
    case 'Z': return {0x1F, 0x01, 0x02, 0x04, 0x08, 0x10, 0x1F};
    case '.': return {0x00, 0x00, 0x00, 0x00, 0x00, 0x0C, 0x0C};
    case '-': return {0x00, 0x00, 0x00, 0x1F, 0x00, 0x00, 0x00};
    case '?': return {0x0E, 0x11, 0x01, 0x02, 0x04, 0x00, 0x04};
    default: return {0, 0, 0, 0, 0, 0, 0};
    }
}

// Draws text with the 3 x 5 font: glyph cells 4 pixels apart, each pixel a
// scale x scale square. plot(x, y) is called for every ink pixel.
template <class Plot>
void drawText3x5(std::string_view text, int x, int y, int scale, Plot plot)
{
    for (char c : text) {
        const std::string_view g = glyph3x5(c);
        for (int row = 0; row < 5; ++row)
            for (int col = 0; col < 3; ++col)
                if (g[static_cast<std::size_t>(row * 3 + col)] == '#')
                    for (int dy = 0; dy < scale; ++dy)
                        for (int dx = 0; dx < scale; ++dx)
                            plot(x + col * scale + dx, y + row * scale + dy);
        x += 4 * scale;
    }
}

// Draws text with the 5 x 7 font: glyph cells 6 pixels apart, scaled.
template <class Plot>
void drawText5x7(std::string_view text, int x, int y, int scale, Plot plot)
{
    for (char c : text) {
        const auto g = glyph5x7(c);
        for (int row = 0; row < 7; ++row)
            for (int col = 0; col < 5; ++col)
                if (g[static_cast<std::size_t>(row)] & (0x10 >> col))
                    for (int dy = 0; dy < scale; ++dy)
                        for (int dx = 0; dx < scale; ++dx)
                            plot(x + col * scale + dx, y + row * scale + dy);
        x += 6 * scale;
    }
}

// Width in pixels of a text drawn by drawText3x5 / drawText5x7 (no trailing gap).
constexpr int textWidth3x5(std::string_view text, int scale)
{
    return text.empty() ? 0 : (4 * static_cast<int>(text.size()) - 1) * scale;
}
constexpr int textWidth5x7(std::string_view text, int scale)
{
    return text.empty() ? 0 : (6 * static_cast<int>(text.size()) - 1) * scale;
}

} // namespace quorled::pixelfont
