#pragma once

// The rules for moving an area's level data or enemy data to another
// address of an iNES image: the address text, the checks of a target in
// their order with their messages, the size of the data as stored, when the
// old bytes may be erased, the pointer bytes, and the mend that keeps every
// other area loading as before. Also the search for a free target, for code
// that needs room for a block of a given size.
//
// Everything works on an image buffer in memory; a move changes the buffer
// as one operation (or not at all), and the caller commits it in one write.

#include "areawriter.h"

#include <optional>
#include <string>
#include <vector>

namespace quorled {

class RomImage;

// Which of an area's two blocks moves.
enum class MoveData { Level, Enemy };

// The three option buttons of the move dialogs, by index.
enum class MoveOption { PointersOnly = 0, Copy = 1, CopyErase = 2 };

// Lowest and highest target address a move accepts.
inline constexpr long kMoveTargetFirst = 0x101C9;
inline constexpr long kMoveTargetLast = 0x1400B;

// "Can't move level data there!" / "Can't move enemy data there!"
std::string moveRefusedTitle(MoveData what);
// "Address must be between $101C9 and $1400B."
std::string moveRangeMessage();

// The target address typed in a move dialog: blanks around it trimmed, an
// optional "$", then 1 to 5 hexadecimal digits of either case. Anything
// else (empty text, other characters, more digits) gives no address; the
// dialog then shows the range message.
std::optional<long> parseMoveAddress(const std::string& text);

// Where a block lies and how long it is as the loader decodes it from the
// image (never from an edited model). Level data: the header and the
// objects, without the end marker (which stays behind as free space).
// Enemy data: every page up to and including the byte that ended it.
struct MoveSource {
    long offset = 0;
    long size = 0;
};
MoveSource measureMoveSource(const RomImage& image, int area, MoveData what);

// The checks of a target N for a block of `size` bytes, in their order:
// the range, the enemy pointer block, then for a copy the end of the
// level-data region, the enemy pointer data, the source block itself
// (`source` may be null) and the free bytes N - 1 .. N + size. Returns the
// refusal's text (title: moveRefusedTitle), or nothing when N is fine.
std::optional<std::string> checkMoveTarget(const RomImage& image, MoveData what, long target, long size,
                                           MoveOption option, const MoveSource* source = nullptr);

// Whether option 2 may erase the old block: it lies inside the level-data
// region and outside the enemy pointer block, and no other area's level or
// enemy data starts in offset .. offset + size. Otherwise returns why not,
// as the end of a sentence ("area 06 uses them too").
std::optional<std::string> eraseRefusal(const RomImage& image, int area, const MoveSource& source);

// The pointer bytes that make `area`'s level or enemy data start at
// `target`: low byte (N - 16) mod 256 and high byte ((N - 16) \ 256 + 128)
// mod 256 at the area's entries of the level or enemy pointer tables.
std::vector<ByteWrite> dataPointerWrites(MoveData what, int area, long target);

// The loader bounds an area's enemy block by the next area's enemy data.
// After `after` was made from `before` by moving data of `movedArea`, an
// area whose block ended at a count byte 1 on that bound may now read on
// (or stop short). The mend writes 0xFF over that count byte, which ends
// the block at the same place under any bound; an image no move touched is
// never mended, so it loads exactly as before. `changed` lists the areas
// other than `movedArea` that still load differently after the mend (their
// header, objects, enemies, pages or block ends); `after` must then be
// thrown away.
struct LoadingMend {
    std::vector<int> mended;
    std::vector<int> changed;
};
LoadingMend keepOtherAreasLoading(const RomImage& before, RomImage& after, int movedArea);

// A move as the dialogs and the command line ask for it.
struct MoveRequest {
    int area = 0;
    MoveData what = MoveData::Level;
    long target = 0;
    MoveOption option = MoveOption::Copy;
};

struct MoveResult {
    // Set when nothing was changed: the message box title and text.
    std::optional<SaveMessage> refusal;
    MoveSource source;
    // Option 2 that copied without erasing: why (to be told to the user).
    std::optional<std::string> keptOldBytes;
    // Areas whose closing count byte was turned into 0xFF by the mend.
    std::vector<int> mendedAreas;
    // Refused because this area would no longer load as it does now (the
    // moved area itself when its copy would read short).
    std::optional<int> spoiltArea;
};

// The whole move on the image buffer: every check, the pointer, the copy,
// the erase and the mend. A refused move leaves the buffer untouched.
// Throws ImageError for an image too short to hold the level-data region.
MoveResult moveData(RomImage& image, const MoveRequest& request);

// The first target N from kMoveTargetFirst up where a copy of `size` bytes
// passes every check of checkMoveTarget (without a source), or nothing.
std::optional<long> findMoveTarget(const RomImage& image, MoveData what, long size);
// Every place findMoveTarget could choose, in address order: the first such
// target of each free run (of each side of the enemy pointer block, for a
// run that crosses it). The search for a target that the rest of a move
// also accepts tries them in this order.
std::vector<long> findMoveTargets(const RomImage& image, MoveData what, long size);
// The largest size findMoveTarget finds a place for (0 when none).
long largestMoveSize(const RomImage& image, MoveData what);

} // namespace quorled
