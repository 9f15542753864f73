#pragma once

#include <array>

// The fixed data the catalogue is built from. Each table is typed once, in a
// source file of its own; Catalogue turns them into per-set lookups.
namespace quorled {

// Size rule of one dimension of a sized object (types 0x30..0xFF), where n is
// the low nibble of the type.
enum class SizeRule {
    One,        // always 1
    Count,      // n + 1
    Span,       // 16 when n = 0, else n + 1
    ToGround,   // 16: reaches below the screen
};

// Name and size of one family of sized objects (high nibble 0x3..0xF).
// Counted families read prefix + " N" + noun (+ "s") + suffix; platform
// families read prefix + "very large" for n = 0, else prefix + " N squares large".
struct SizedFamily {
    const char* prefix;
    const char* noun;
    const char* suffix;
    bool platform;
    SizeRule width;
    SizeRule height;
};

// A name that some object sets give a counted family instead of the default.
// Bit s of `sets` selects object set s.
struct FamilyNameOverride {
    unsigned sets;
    int family;
    const char* prefix;
    const char* noun;
    const char* suffix;
};

// A type whose size is not 1 x 1.
struct SizeEntry {
    int type;
    int width;
    int height;
};

inline constexpr int kSingleObjectTypes = 0x30;
inline constexpr int kFirstSizedFamily = 0x3;
inline constexpr int kNamedEnemyTypes = 0x4B;

extern const std::array<const char*, kSingleObjectTypes> singleObjectNames;
extern const std::array<SizedFamily, 13> sizedFamilies;       // families 0x3..0xF
extern const std::array<FamilyNameOverride, 7> familyNameOverrides;
extern const char* const specialObjectTypeName;
extern const std::array<const char*, 16> specialObjectNameTable;
extern const std::array<SizeEntry, 19> singleObjectSizes;

extern const std::array<const char*, kNamedEnemyTypes> enemyNameTable;
extern const char* const unstableEnemyName;   // types 0x4B..0x5B
extern const char* const bossNameSuffix;      // types 0x5C..0x7F
extern const char* const unknownEnemyName;    // types 0x80..0xFF
extern const std::array<SizeEntry, 22> enemySizes;

} // namespace quorled
