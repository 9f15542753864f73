#include "coordinates.h"

#include "levelformat.h"

namespace quorled {

void normalizeObjectCoordinates(AreaModel& model)
{
    for (LevelObject& object : model.objects) {
        if (model.isVertical) {
            object.x = object.x & 15;
        } else {
            object.x = object.x + 16 * (object.y / kRowsPerPage);
            object.y = object.y % kRowsPerPage;
        }
    }
}

} // namespace quorled
