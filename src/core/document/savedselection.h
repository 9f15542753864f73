#pragma once

#include "romdata/areamodel.h"

namespace quorled {

// Where the selected object and enemy of `model` stand after a save: the
// save sorts the lists (and may insert skip objects), so the bare indexes
// would select other items. Both 1-based; out-of-range selections are kept.
struct SavedSelection {
    int object = 1;
    int enemy = 1;
};
SavedSelection selectionAfterSave(const AreaModel& model);

} // namespace quorled
