#include "catalogue.h"

#include "catalogtables.h"
#include "romdata/levelformat.h"

namespace quorled {

namespace {

const std::string kNoName;

constexpr std::array<int, 8> kDoorTypes{0x09, 0x0A, 0x0B, 0x13, 0x14, 0x15, 0x1C, 0x1D};
constexpr int kFirstUnstableEnemy = 0x4B;
constexpr int kFirstBossEnemy = 0x5C;
constexpr int kFirstUnknownEnemy = 0x80;
constexpr int kBossModelOffset = 0x40;

int sizeOf(SizeRule rule, int n)
{
    switch (rule) {
    case SizeRule::One: return 1;
    case SizeRule::Count: return n + 1;
    case SizeRule::Span: return n == 0 ? 16 : n + 1;
    case SizeRule::ToGround: return 16;
    }
    return 1;
}

// A count as names carry it: one blank (the sign's place) before the digits.
std::string countText(int count) { return " " + std::to_string(count); }

std::string countedName(const char* prefix, const char* noun, const char* suffix, int count)
{
    return prefix + countText(count) + noun + (count > 1 ? "s" : "") + suffix;
}

std::string familyName(const SizedFamily& family, int n)
{
    if (!family.platform)
        return countedName(family.prefix, family.noun, family.suffix, n + 1);
    if (n == 0)
        return std::string(family.prefix) + "very large";
    return family.prefix + countText(n + 1) + " squares large";
}

} // namespace

const Catalogue& Catalogue::instance()
{
    static const Catalogue catalogue;
    return catalogue;
}

Catalogue::Catalogue()
{
    buildSizeTables();
    buildNameTables();
}

void Catalogue::buildSizeTables()
{
    for (int set = 0; set < kObjectSets; ++set) {
        objWidths_[set].fill(1);
        objHeights_[set].fill(1);
        for (const SizeEntry& e : singleObjectSizes) {
            objWidths_[set][e.type] = e.width;
            objHeights_[set][e.type] = e.height;
        }
        for (int type = kSingleObjectTypes; type < 256; ++type) {
            const SizedFamily& family = sizedFamilies[type / 16 - kFirstSizedFamily];
            objWidths_[set][type] = sizeOf(family.width, type % 16);
            objHeights_[set][type] = sizeOf(family.height, type % 16);
        }
    }
    enemyWidths_.fill(1);
    enemyHeights_.fill(1);
    for (const SizeEntry& e : enemySizes) {
        enemyWidths_[e.type] = e.width;
        enemyHeights_[e.type] = e.height;
    }
    for (int type = kFirstBossEnemy; type < kFirstUnknownEnemy; ++type) {
        enemyWidths_[type] = enemyWidths_[type - kBossModelOffset];
        enemyHeights_[type] = enemyHeights_[type - kBossModelOffset];
    }
}

void Catalogue::buildNameTables()
{
    for (int set = 0; set < kObjectSets; ++set) {
        auto& names = objectNames_[set];
        for (int type = 0; type < kSingleObjectTypes; ++type)
            names[type] = singleObjectNames[type];
        for (int type = kSingleObjectTypes; type < 256; ++type)
            names[type] = familyName(sizedFamilies[type / 16 - kFirstSizedFamily], type % 16);
        names[kSpecialObjectType] = specialObjectTypeName;
    }
    for (const FamilyNameOverride& o : familyNameOverrides) {
        for (int set = 0; set < kObjectSets; ++set) {
            if (((o.sets >> set) & 1u) == 0)
                continue;
            for (int n = 0; n < 16; ++n)
                objectNames_[set][o.family * 16 + n] = countedName(o.prefix, o.noun, o.suffix, n + 1);
        }
    }
    for (int type = 0; type < kEnemyTypes; ++type) {
        if (type < kFirstUnstableEnemy)
            enemyNames_[type] = enemyNameTable[type];
        else if (type < kFirstBossEnemy)
            enemyNames_[type] = unstableEnemyName;
        else if (type < kFirstUnknownEnemy)
            enemyNames_[type] = enemyNames_[type - kBossModelOffset] + bossNameSuffix;
        else
            enemyNames_[type] = unknownEnemyName;
    }
    for (int kind = 0; kind < 16; ++kind)
        specialNames_[kind] = specialObjectNameTable[kind];
}

bool Catalogue::validObject(int objectSet, int type)
{
    return objectSet >= 0 && objectSet < kObjectSets && type >= 0 && type < kObjectTypes;
}

const std::string& Catalogue::objectTypeName(int objectSet, int type) const
{
    return validObject(objectSet, type) ? objectNames_[objectSet][type] : kNoName;
}

int Catalogue::objWidth(int objectSet, int type) const
{
    return validObject(objectSet, type) ? objWidths_[objectSet][type] : 1;
}

int Catalogue::objHeight(int objectSet, int type) const
{
    return validObject(objectSet, type) ? objHeights_[objectSet][type] : 1;
}

bool Catalogue::isDoorType(int type) const
{
    for (int door : kDoorTypes)
        if (door == type)
            return true;
    return false;
}

const std::string& Catalogue::specialObjectName(int kind) const
{
    return kind >= 0 && kind < 16 ? specialNames_[kind] : kNoName;
}

int Catalogue::specialObjExtraBytes(int kind) const
{
    return kind >= 0 && kind < 16 ? quorled::specialObjExtraBytes[kind] : 0;
}

const std::string& Catalogue::enemyTypeName(int type) const
{
    return type >= 0 && type < kEnemyTypes ? enemyNames_[type] : kNoName;
}

int Catalogue::enemyWidth(int type) const
{
    return type >= 0 && type < kEnemyTypes ? enemyWidths_[type] : 1;
}

int Catalogue::enemyHeight(int type) const
{
    return type >= 0 && type < kEnemyTypes ? enemyHeights_[type] : 1;
}

bool isDoorPointer(const std::vector<LevelObject>& objects, int i, bool showPointersAsObjects)
{
    if (showPointersAsObjects || i <= 1 || i - 1 > static_cast<int>(objects.size()))
        return false;
    const Catalogue& catalogue = Catalogue::instance();
    auto isDoor = [&](int index) { return catalogue.isDoorType(objects[index - 1].type % 256); };
    if (!isDoor(i - 1))
        return false;
    return !(i > 2 && isDoor(i - 2));
}

} // namespace quorled
