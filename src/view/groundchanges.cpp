#include "groundchanges.h"

#include "romdata/areamodel.h"
#include "romdata/levelformat.h"

namespace quorled {

namespace {

using Markers = std::array<int, GroundColumns::kPositions>;
constexpr int kNoChange = -1;

bool isGroundSettingObject(const LevelObject& object)
{
    return object.special && (object.kind() == kKindGroundSettingA || object.kind() == kKindGroundSettingB);
}

// Records one change of a list. Positions are matched from 1 on. A
// horizontal area applies every change at its position (the last one wins);
// a vertical area follows its list with one pointer, so a change that does
// not lie after the previous one of its list blocks that list for good.
struct ChangeList {
    Markers at;
    int lastPosition = 0;
    bool blocked = false;

    ChangeList() { at.fill(kNoChange); }

    void add(int position, int value, bool vertical)
    {
        if (vertical) {
            if (blocked || position <= lastPosition || position >= GroundColumns::kPositions) {
                blocked = true;
                return;
            }
            lastPosition = position;
        }
        if (position >= 1 && position < GroundColumns::kPositions)
            at[static_cast<std::size_t>(position)] = value;
    }

    void spread(int start, std::array<int, GroundColumns::kPositions>& values) const
    {
        int current = start;
        for (std::size_t p = 0; p < values.size(); ++p) {
            if (at[p] != kNoChange)
                current = at[p];
            values[p] = current;
        }
    }
};

} // namespace

int rawGroundChangePosition(const AreaModel& area, int objectIndex)
{
    const LevelObject& object = area.object(objectIndex);
    const int pageStart = area.isVertical ? 15 * (object.y / 15) : 16 * (object.x / 16);
    return pageStart + 8 * object.kind() + object.param[0] / 32;
}

void computeGroundColumns(const AreaModel& area, GroundColumns& out)
{
    const bool vertical = area.isVertical != 0;
    ChangeList settings;
    ChangeList types;
    bool haveSettingObject = false;
    int lastSettingPosition = 0;

    for (int i = 1; i <= area.objCount(); ++i) {
        const LevelObject& object = area.object(i);
        if (!object.special)
            continue;
        if (isGroundSettingObject(object)) {
            const int raw = rawGroundChangePosition(area, i);
            int position = raw;
            if (!vertical) {
                if (position == 0)
                    position = 8;
                if (object.kind() == kKindGroundSettingA && i > 1) {
                    const LevelObject& before = area.object(i - 1);
                    if (before.special && before.kind() == kKindGroundSettingB)
                        position += 8;
                }
            }
            settings.add(position, object.param[0] & 0x1F, vertical);
            haveSettingObject = true;
            lastSettingPosition = raw;
        } else if (object.kind() == kKindGroundType) {
            types.add(haveSettingObject ? lastSettingPosition : 0, object.param[0] & 0x0F, vertical);
        }
    }
    settings.spread(area.header.groundSetting(), out.setting);
    types.spread(area.header.groundType(), out.type);
}

} // namespace quorled
