#include "enemytiledata.h"

namespace quorled {

// Where each enemy's picture lies on the enemy sheets. Small enemies fill the
// top rows; larger ones keep their cells stacked in one column where they can.
// The car of 0x26 carries the red hooded walker, so it reuses its tile 0.
// 0x34, 0x38, 0x49 and 0x4A have no picture and show the checkerboard.
constexpr std::array<EnemyTileEntry, kEnemyTileEntries> enemyTileEntries{{
    {0x00, 1, {1}},                      // heart
    {0x01, 1, {0}},                      // hooded walker, red
    {0x02, 1, {2}},                      // crested bird
    {0x03, 1, {3}},                      // hooded walker, pink
    {0x04, 1, {4}},                      // hedgehog
    {0x05, 1, {5}},                      // big-nosed puffer, red
    {0x06, 1, {6}},                      // big-nosed puffer, grey
    {0x07, 1, {7}},                      // big-nosed puffer, pink
    {0x08, 2, {16, 32}},                 // long-legged strider
    {0x09, 1, {8}},                      // fuse beetle
    {0x0A, 4, {33, 34, 49, 50}},         // large bird carrying a fuse beetle
    {0x0B, 2, {35, 36}},                 // large bird, flying right
    {0x0C, 2, {37, 38}},                 // large bird, flying left
    {0x0D, 1, {9}},                      // leaf-eared imp, running
    {0x0E, 1, {10}},                     // leaf-eared imp, jumping
    {0x0F, 1, {11}},                     // striped diving bug, red
    {0x10, 1, {12}},                     // striped diving bug, grey
    {0x11, 1, {13}},                     // boss bubble
    {0x12, 4, {64, 65, 80, 81}},         // rug bird on its carpet
    {0x13, 1, {14}},                     // jumping fish
    {0x14, 1, {15}},                     // climbing beetle
    {0x15, 1, {17}},                     // hooded walker from a jar
    {0x16, 1, {18}},                     // fuse beetle from a jar
    {0x17, 1, {19}},                     // floating padlock
    {0x18, 2, {72, 88}},                 // snake in a jar
    {0x19, 2, {73, 89}},                 // snake in sand
    {0x1A, 4, {78, 94, 110, 126}},       // cactus stack
    {0x1B, 1, {20}},                     // bullet
    {0x1C, 2, {74, 90}},                 // egg-spouting boss
    {0x1D, 4, {66, 67, 82, 83}},         // bomb-carrying rat
    {0x1E, 1, {21}},                     // egg
    {0x1F, 6, {96, 97, 112, 113, 128, 129}},  // three-headed snake boss
    {0x20, 1, {22}},                     // fireball
    {0x21, 4, {68, 69, 84, 85}},         // crab boss
    {0x22, 1, {23}},                     // rock
    {0x23, 1, {24}},                     // flame bud, red
    {0x24, 1, {25}},                     // flame bud, pink
    {0x25, 1, {26}},                     // flame bud, grey
    {0x26, 3, {0, 99, 115}},             // hooded walker riding a cannon cart
    {0x27, 1, {27}},                     // cannon cart's fireball
    {0x28, 1, {28}},                     // water spout
    {0x29, 1, {29}},                     // snow blob
    {0x2A, 9, {102, 103, 104, 118, 119, 120, 134, 135, 136}},  // fire boss
    {0x2B, 1, {30}},                     // small flame
    {0x2C, 9, {75, 76, 77, 91, 92, 93, 107, 108, 109}},  // lump boss
    {0x2D, 3, {98, 114, 130}},           // bird-head gate
    {0x2E, 1, {31}},                     // spark, 1
    {0x2F, 1, {39}},                     // spark, 2
    {0x30, 1, {40}},                     // spark, 3
    {0x31, 1, {41}},                     // spark, 4
    {0x32, 1, {42}},                     // small vegetable
    {0x33, 1, {43}},                     // fresh vegetable
    {0x35, 1, {44}},                     // shell
    {0x36, 1, {45}},                     // coin
    {0x37, 1, {46}},                     // lit bomb
    {0x39, 1, {47}},                     // lift block
    {0x3A, 1, {48}},                     // blast block
    {0x3B, 2, {51, 52}},                 // rolling wood platform
    {0x3C, 2, {63, 79}},                 // door to the shadow world
    {0x3D, 1, {53}},                     // key
    {0x3E, 1, {54}},                     // potion
    {0x3F, 1, {55}},                     // vigour cap
    {0x40, 1, {56}},                     // extra-life cap
    {0x41, 2, {57, 58}},                 // flying carpet
    {0x42, 3, {100, 116, 132}},          // bird-head gate, facing right
    {0x43, 3, {101, 117, 133}},          // bird-head gate, facing left
    {0x44, 1, {59}},                     // crystal ball
    {0x45, 1, {60}},                     // star
    {0x46, 1, {61}},                     // stopwatch
    {0x47, 4, {70, 71, 86, 87}},         // bird raid with bombs
    {0x48, 1, {62}},                     // bug raid
}};

} // namespace quorled
