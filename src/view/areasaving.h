#pragma once

#include "romdata/areawriter.h"
#include "viewstate.h"

namespace quorled {

// saveArea and renormalizeArea on the editor's whole view state: only the
// view position takes part.
inline SaveResult saveArea(RomImage& image, const AreaDirectory& directory, ImageKind kind, AreaModel& model,
                           ViewState& view)
{
    ViewPosition position{view.viewColumn, view.viewRow};
    SaveResult result = saveArea(image, directory, kind, model, position);
    view.viewColumn = position.viewColumn;
    view.viewRow = position.viewRow;
    return result;
}

inline void renormalizeArea(AreaModel& model, ViewState& view)
{
    ViewPosition position{view.viewColumn, view.viewRow};
    renormalizeArea(model, position);
    view.viewColumn = position.viewColumn;
    view.viewRow = position.viewRow;
}

} // namespace quorled
