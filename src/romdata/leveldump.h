#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quorled {

class RomImage;

// A level dump (".qlv") is a raw copy of image offsets 0x10010 .. 0x1400F of
// an iNES image: the level pointer tables, all level and enemy data and the
// enemy pointer block. No header.
inline constexpr long kLevelDumpStart = 0x10010;
inline constexpr long kLevelDumpSize = 0x4000;

// "Dump file can't be the same as ROM file!"
std::string sameFileMessage();

// The image name without its last four characters, then ".qlv"; a name of
// fewer than four characters keeps them all ("quorl.nes" -> "quorl.qlv").
std::string proposedDumpName(const std::string& romFileName);

// Writes the block of `image` (as read from disk) to `dumpPath` as a whole
// new file of 16384 bytes, put in place atomically. Throws ImageError and
// writes nothing for the image itself, a folder or other non-file, a
// read-only file, or an existing file of another non-zero length (which is
// no dump and is left alone), and when the write fails.
void writeLevelDump(const RomImage& image, const std::string& dumpPath);

// Reads a dump for insertion into the image at `romPath`. Never creates a
// file. Throws ImageError for the image itself, a missing or empty file
// ("Dump file (NAME) is either empty or doesn't exist."), a folder or other
// non-file, and a file whose length is not exactly 16384 bytes.
std::vector<std::uint8_t> readLevelDump(const std::string& romPath, const std::string& dumpPath);

// Copies a 16384-byte block into the image at 0x10010 (not committed).
void insertLevelBlock(RomImage& image, const std::vector<std::uint8_t>& block);

// The areas that load cleanly from `before` but not from `after`: both
// blocks inside the level-data region, clear of the enemy pointer block,
// and nothing the loader finds damaged.
std::vector<int> areasNoLongerClean(const RomImage& before, const RomImage& after);

} // namespace quorled
