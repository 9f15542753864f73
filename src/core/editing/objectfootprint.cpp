#include "core/editing/objectfootprint.h"

#include "view/catalogue.h"

namespace quorled {

ObjectFootprint objectFootprint(const AreaModel& area, int index, bool showPointersAsObjects)
{
    const Catalogue& catalogue = Catalogue::instance();
    const LevelObject& o = area.object(index);
    const int objectSet = area.header.objectSet();
    ObjectFootprint box{o.x, o.y, catalogue.objWidth(objectSet, o.type), catalogue.objHeight(objectSet, o.type)};
    if (isDoorPointer(area.objects, index, showPointersAsObjects)) {
        box.width = 1;
        box.height = 1;
    }
    if (box.height < 0) {
        box.top += box.height;
        box.height = 1 - box.height;
    }
    if (box.width < 0) {
        box.left += box.width;
        box.width = 1 - box.width;
    }
    return box;
}

} // namespace quorled
