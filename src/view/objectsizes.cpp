#include "catalogtables.h"

namespace quorled {

// Single objects (every object set) that cover more than their own cell.
constexpr std::array<SizeEntry, 19> singleObjectSizes{{
    {0x06, 1, 3}, {0x07, 1, 3}, {0x08, 1, 3},     // jars
    {0x09, 1, 2}, {0x0A, 1, 2}, {0x0B, 1, 2},     // doors, dark entrance
    {0x0C, 1, 16}, {0x0D, 1, 16}, {0x0F, 1, 16},  // vines to ground, red pillar
    {0x10, 2, 1},                                 // cloud
    {0x12, 1, -14},                               // vine up to the top
    {0x13, 3, 2},                                 // entrance, light right
    {0x14, -1, 2},                                // entrance, light left
    {0x15, 1, 16}, {0x16, 1, 16},                 // white entrance, tree
    {0x18, 6, 16}, {0x19, 6, 16},                 // brick background, brick wall
    {0x1E, 3, 16},                                // big mouth entrance
    {0x1F, 12, 16},                               // large red platform background
}};

// Enemies that cover more than their own cell. Boss variants 0x5C..0x7F
// take the size of their model, type - 0x40.
constexpr std::array<SizeEntry, 22> enemySizes{{
    {0x08, 1, 2}, {0x0A, 2, 2}, {0x0B, 2, 1}, {0x0C, 2, 1}, {0x12, 2, 2},
    {0x18, 1, 2}, {0x19, 1, 2}, {0x1A, 1, 4}, {0x1C, 1, 2}, {0x1D, 2, 2},
    {0x1F, 2, 3}, {0x21, 2, 2}, {0x26, 1, 3}, {0x2A, 3, 3}, {0x2C, 3, 3},
    {0x2D, 1, 3}, {0x3B, 2, 1}, {0x3C, 1, 2}, {0x41, 2, 1}, {0x42, 1, 3},
    {0x43, 1, 3}, {0x47, 2, 2},
}};

} // namespace quorled
