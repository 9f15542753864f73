#include "areanames.h"

#include <string_view>

namespace quorled {

namespace {

struct NamedSlot {
    int slot;
    std::string_view name;
};

// The named slots of each of the 21 levels; every other slot is unused.
constexpr NamedSlot kLevel0[] = {{0, "1-1, beginning"}, {1, "1-1, upwards part"}, {2, "1-1, main part"},
                                 {3, "1-1, underground (top)"}, {4, "1-1, underground (bottom)"},
                                 {5, "1-1, boss area"}};
constexpr NamedSlot kLevel1[] = {{0, "1-2, main part"}, {1, "1-2, underground"}, {2, "1-2, boss area"},
                                 {3, "Jar 1, found in 1-2"}, {4, "Jar 2, found in 1-2"}};
constexpr NamedSlot kLevel2[] = {{0, "1-3, main part"}, {1, "1-3, key room"}, {2, "1-3, indoors"},
                                 {3, "1-3, way to the boss"}, {4, "1-3, boss room"}};
constexpr NamedSlot kLevel3[] = {{0, "2-1, main part"}, {1, "2-1, underground"}, {2, "2-1, boss area"},
                                 {4, "Jar 3, found in 2-1"}};
constexpr NamedSlot kLevel4[] = {{0, "2-2, beginning"}, {1, "2-2, main part"}, {2, "2-2, underground bonus"},
                                 {3, "2-2, underground"}, {4, "Jar 4, found in 2-2"}, {5, "2-2, boss area"}};
constexpr NamedSlot kLevel5[] = {{0, "2-3, beginning"}, {1, "2-3, main part"}, {2, "2-3, bonus room"},
                                 {3, "2-3, underground part"}, {4, "Jar 5, found in 2-3"},
                                 {5, "2-3, way to the boss"}, {6, "2-3, boss room"}, {7, "2-3, key room"}};
constexpr NamedSlot kLevel6[] = {{0, "3-1, beginning"}, {1, "3-1, main part"}, {2, "3-1, bonus room"},
                                 {3, "3-1, sky part"}, {4, "3-1, boss area"}};
constexpr NamedSlot kLevel7[] = {{0, "3-2, main part"}, {1, "3-2, underground"}, {2, "3-2, boss area"}};
constexpr NamedSlot kLevel8[] = {{0, "3-3, beginning"}, {1, "3-3, outside part"}, {2, "3-3, indoors part 1"},
                                 {3, "3-3, indoors part 2"}, {4, "3-3, indoors part 3"},
                                 {5, "3-3, indoors part 4"}, {6, "3-3, key room"}, {7, "3-3, way to the boss"},
                                 {8, "3-3, boss room"}};
constexpr NamedSlot kLevel9[] = {{0, "4-1, main part"}, {1, "4-1, ending"}};
constexpr NamedSlot kLevel10[] = {{0, "4-2, beginning"}, {1, "4-2, part 1"}, {2, "4-2, part 2"},
                                  {3, "4-2, way to the boss"}, {4, "4-2, boss area"}};
constexpr NamedSlot kLevel11[] = {{0, "4-3, beginning"}, {1, "4-3, outside part 1"},
                                  {2, "4-3, indoors part 1"}, {3, "4-3, indoors part 2"},
                                  {4, "4-3, outside part 2"}, {5, "4-3, key room"}, {6, "4-3, way to the boss"},
                                  {7, "4-3, boss room"}};
constexpr NamedSlot kLevel12[] = {{0, "5-1, beginning"}, {1, "5-1, underground"}, {2, "5-1, boss area"}};
constexpr NamedSlot kLevel13[] = {{0, "5-2, beginning"}, {1, "5-2, part 1"}, {2, "5-2, part 2"},
                                  {3, "5-2, part 3"}, {4, "Jar 6, found in 5-2"}, {5, "5-2, boss area"}};
constexpr NamedSlot kLevel14[] = {{0, "5-3, beginning"}, {1, "5-3, main part"}, {2, "5-3, underground 1"},
                                  {3, "5-3, underground 2"}, {4, "5-3, way to the boss"},
                                  {5, "5-3, boss room"}};
constexpr NamedSlot kLevel15[] = {{0, "6-1, main part"}, {1, "6-1, underground"}, {2, "6-1, boss area"},
                                  {3, "Jar 7, found in 6-1"}, {4, "Jar 8, found in 6-1"},
                                  {5, "Jar 9, found in 6-1"}, {6, "Jar 10, found in 6-1"}};
constexpr NamedSlot kLevel16[] = {{0, "6-2, beginning"}, {1, "6-2, main part"}, {2, "6-2, boss area"}};
constexpr NamedSlot kLevel17[] = {{0, "6-3, beginning"}, {1, "6-3, main part"}, {2, "6-3, underground"},
                                  {3, "6-3, upwards part"}, {4, "6-3, boss room entrance"},
                                  {5, "6-3, boss area"}, {6, "6-3, boss room"}};
constexpr NamedSlot kLevel18[] = {{0, "7-1, beginning"}, {1, "7-1, part 1"}, {2, "7-1, part 2"},
                                  {3, "7-1, part 3"}, {4, "7-1, boss area"}, {5, "7-1, bonus room"}};
constexpr NamedSlot kLevel19[] = {{0, "7-2, beginning"}, {1, "7-2, indoors part 1"},
                                  {2, "7-2, indoors part 2"}, {3, "7-2, indoors part 3"},
                                  {4, "7-2, indoors part 4"}, {5, "7-2, Gorlump's room"},
                                  {6, "7-2, indoors part 5"}, {7, "7-2, indoors part 6"},
                                  {8, "7-2, indoors part 7"}, {9, "7-2, outside part"}};

struct LevelNames {
    const NamedSlot* slots;
    int count;
};

template <std::size_t N>
constexpr LevelNames level(const NamedSlot (&slots)[N])
{
    return {slots, static_cast<int>(N)};
}

constexpr LevelNames kLevels[21] = {
    level(kLevel0),  level(kLevel1),  level(kLevel2),  level(kLevel3),  level(kLevel4),  level(kLevel5),
    level(kLevel6),  level(kLevel7),  level(kLevel8),  level(kLevel9),  level(kLevel10), level(kLevel11),
    level(kLevel12), level(kLevel13), level(kLevel14), level(kLevel15), level(kLevel16), level(kLevel17),
    level(kLevel18), level(kLevel19), {nullptr, 0}};

std::array<std::string, kAreaCount> buildNames()
{
    std::array<std::string, kAreaCount> names;
    for (int L = 0; L < 21; ++L) {
        const std::string levelName = std::to_string(L / 3 + 1) + "-" + std::to_string(L % 3 + 1);
        int unused = 0;
        for (int k = 0; k < 10; ++k) {
            std::string name;
            for (int i = 0; i < kLevels[L].count; ++i)
                if (kLevels[L].slots[i].slot == k)
                    name = std::string(kLevels[L].slots[i].name);
            if (name.empty())
                name = levelName + ", unused (" + std::to_string(++unused) + ")";
            names[static_cast<std::size_t>(10 * L + k)] = name;
        }
    }
    return names;
}

} // namespace

const std::array<std::string, kAreaCount>& areaNames()
{
    static const std::array<std::string, kAreaCount> names = buildNames();
    return names;
}

} // namespace quorled
