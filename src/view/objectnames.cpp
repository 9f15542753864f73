#include "catalogtables.h"

namespace quorled {

// Names of the single objects 0x00..0x2F, the same in every object set.
constexpr std::array<const char*, kSingleObjectTypes> singleObjectNames{
    "Lift block",
    "Quake block",
    "Bombable rock",
    "Vine",
    "Jar (small, can't go in)",
    "Ladder (1 square)",
    "Jar, extends to ground, can go in",
    "Jar, extends to ground, can go in (not the same as #06)",
    "Jar, extends to ground, can't go in (used for warps)",
    "Locked door (uses next object as a pointer)",
    "Door (uses next object as a pointer)",
    "Dark entrance (uses next object as a pointer)",
    "Vine, extends to ground",
    "Vine, extends to ground (no top)",
    "Star background (must be placed on top of page)",
    "Red pillar, extends to ground",
    "Cloud",
    "Small cloud",
    "Vine, extends to top",
    "Entrance/exit (light right)",
    "Entrance/exit (light left)",
    "White entrance, extends to ground",
    "Tree, extends to ground",
    "Pyramid",
    "Brick background, 6 large, extends to ground",
    "Brick wall, 6 large, extends to ground",
    "Vegetable thrower (used in Gorlump's room)",
    "???",
    "uses next object as a pointer, can go in",
    "uses next object as a pointer, can go in",
    "Big mouth entrance used in desert",
    "Large red platform background, extends to ground",
    "Herb with coin",
    "Herb with fresh vegetable",
    "Herb with small vegetable",
    "Herb with rocket",
    "Herb with turtle shell",
    "Herb with bomb",
    "Herb with potion",
    "Herb with extra life",
    "Herb with quake block",
    "Cherry",
    "Herb with Fusebug (going to explode)",
    "1st vigour cap (in the shadow world)",
    "White/red evil head",
    "2nd vigour cap (in the shadow world)",
    "Whale eye",
    "Wood wall, 1 square",
};

// Families 0x30..0xFF by high nibble.
constexpr std::array<SizedFamily, 13> sizedFamilies{{
    {"Row of", " X-block", "", false, SizeRule::Count, SizeRule::One},                        // 0x3
    {"Row of", " X-block", "", false, SizeRule::Count, SizeRule::One},                        // 0x4
    {"Row of", " herb", " with small vegetables", false, SizeRule::Count, SizeRule::One},     // 0x5
    {"Bridge,", " square", " large", false, SizeRule::Count, SizeRule::One},                  // 0x6
    {"Row of", " spike", "", false, SizeRule::Count, SizeRule::One},                          // 0x7
    {"Column of", " bombable rock", "", false, SizeRule::One, SizeRule::Count},               // 0x8
    {"Column of", " brown brick", "", false, SizeRule::One, SizeRule::Count},                 // 0x9
    {"Ladder,", " square", " high", false, SizeRule::One, SizeRule::Count},                   // 0xA
    {"Whale (for World 4), ", "", "", true, SizeRule::Span, SizeRule::ToGround},              // 0xB
    {"Green platform, ", "", "", true, SizeRule::Span, SizeRule::ToGround},                   // 0xC
    {"Red wood platform, ", "", "", true, SizeRule::Span, SizeRule::One},                     // 0xD
    {"Cloud platform, ", "", "", true, SizeRule::Span, SizeRule::One},                        // 0xE
    {"Waterfall, ", "", "", true, SizeRule::Span, SizeRule::ToGround},                        // 0xF
}};

// Applied in this order after the defaults; later entries win.
constexpr std::array<FamilyNameOverride, 7> familyNameOverrides{{
    {0x1111, 0x3, "Row of", " brick", ""},
    {0x1111, 0x8, "Column of", " brown brick", ""},
    {0x2222, 0x3, "Row of", " wood block", ""},
    {0x2222, 0x4, "Sand platform,", " square", " large"},
    {0x2222, 0x8, "Column of", " blanked-out square", ""},
    {0x8888, 0x8, "Column of", " brick", ""},
    {0x00F0, 0xA, "Chain,", " square", " high"},
}};

constexpr const char* specialObjectTypeName = "Special object";

constexpr std::array<const char*, 16> specialObjectNameTable{
    "Special object, changes ground setting",
    "Special object, changes ground setting",
    "Special object, skips one page",
    "Special object, skips two pages",
    "Special object, places next objects at start",
    "Special object, acts as a pointer",
    "Special object, changes ground type",
    "Special object, probably not used",
    "Special object, probably not used",
    "Special object, probably not used",
    "Special object, probably not used",
    "Special object, probably not used",
    "Special object, probably not used",
    "Special object, probably not used",
    "Special object, probably not used",
    "Special object, ends level data",
};

} // namespace quorled
