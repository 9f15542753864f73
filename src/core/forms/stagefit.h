#pragma once

#include "core/settings/windowplacement.h"

namespace quorled {

// Where the read-outs and the header panel stand next to the level view:
// to its right, or under it.
enum class PanelPlace { Beside, Below };

inline constexpr int kSmallestZoom = 1;
inline constexpr int kLargestZoom = 4;

// The room the level view's stage needs at `zoom`: the picture times the
// zoom plus `frame` (the stage's margins and border, both sides together).
PixelSize stageNeed(int zoom, PixelSize frame);

// Where the panel goes in `room` (the work area inside its margins) so the
// stage of `stage` size is seen whole: beside when it fits there, else
// below when it fits there, else where more of the stage is seen. The panel
// goes below only when it fits across the room.
// `beside` and `below` are the panel's natural sizes in either place.
PanelPlace panelPlace(PixelSize room, PixelSize stage, PixelSize beside, PixelSize below, int spacing);

// True when a stage of `stage` size is seen whole with the panel at `place`.
bool stageFits(PixelSize room, PixelSize stage, PixelSize beside, PixelSize below, int spacing, PanelPlace place);

// The largest whole zoom at which the whole view is seen in `room`, with
// the panel in whichever place suits; the smallest zoom when none fits.
int fittingZoom(PixelSize room, PixelSize frame, PixelSize beside, PixelSize below, int spacing);

} // namespace quorled
