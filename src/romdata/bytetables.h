#pragma once

#include "imagekind.h"

#include <array>
#include <span>
#include <string_view>

namespace quorled {

// How a byte-table row shows its byte, and what its name label shows.
enum class ByteDisplay {
    HexTypeName,   // two hexadecimal digits; the object or enemy type of that number
    Decimal3,      // three decimal digits with leading zeros
    Decimal,       // plain decimal
    PlusOne,       // decimal value + 1 (hit counts)
    Signed,        // two's complement: value - 256 from 128
    DecimalSound,  // plain decimal; the sound of that number
    DecimalLives,  // plain decimal; the extra-life text
};

// The single-byte dialogs, in menu order.
enum class ByteTableId { ChrEnemy, ChrEnemy2, ChrEnemy3, ChrPwrUp, TitleC, Nlives };

struct ByteTableRow {
    std::string_view caption;
    long offset;
    ByteDisplay display;
};

// A text that stands between two rows: before row `beforeRow`.
struct ByteTableNote {
    int beforeRow;
    std::string_view text;
};

// One byte-table dialog: its form name, window caption, command-line table
// name, rows and an optional note. Every row's bar runs 0..255.
struct ByteTable {
    ByteTableId id;
    std::string_view form;
    std::string_view caption;
    std::string_view cliName;
    std::span<const ByteTableRow> rows;
    ByteTableNote note;  // beforeRow < 0: none
    int largeStep;
    // Shown inside the dialog when tables share a title: which one it edits.
    std::string_view heading = {};
};

const ByteTable& byteTable(ByteTableId id);
const std::array<ByteTableId, 6>& byteTableIds();

// These tables hold iNES offsets: the other kinds keep other code there.
constexpr bool byteTableAllowedForKind(ImageKind kind) { return kind == ImageKind::Ines; }

// The highest offset a table reads or writes.
long lastOffset(const ByteTable& table);

// "No sound", or the name of the highest set bit of the value.
std::string_view soundName(int value);
// The byte as a two's-complement number: 255 gives -1, 128 gives -128.
constexpr int signedByte(int value) { return value >= 128 ? value - 256 : value; }
// What the lives dialog shows for the stored byte: "(Extra life : 09)" for
// 10. Value 0 reads "P5" and 255 "P4"; the tens past 9 read as letters.
std::string extraLifeText(int value);

} // namespace quorled
