#include "core/forms/stagefit.h"

#include <algorithm>

namespace quorled {

namespace {

constexpr int kPictureWidth = 256;
constexpr int kPictureHeight = 240;

PixelSize roomAt(PixelSize room, PixelSize beside, PixelSize below, int spacing, PanelPlace place)
{
    if (place == PanelPlace::Beside)
        return {room.width - beside.width - spacing, room.height};
    return {room.width, room.height - below.height - spacing};
}

long seenArea(PixelSize room, PixelSize stage)
{
    return static_cast<long>(std::clamp(room.width, 0, stage.width)) * std::clamp(room.height, 0, stage.height);
}

} // namespace

PixelSize stageNeed(int zoom, PixelSize frame)
{
    return {kPictureWidth * zoom + frame.width, kPictureHeight * zoom + frame.height};
}

bool stageFits(PixelSize room, PixelSize stage, PixelSize beside, PixelSize below, int spacing, PanelPlace place)
{
    // The panel under the view must fit across, or it would widen the window.
    if (place == PanelPlace::Below && below.width > room.width)
        return false;
    const PixelSize left = roomAt(room, beside, below, spacing, place);
    return stage.width <= left.width && stage.height <= left.height;
}

PanelPlace panelPlace(PixelSize room, PixelSize stage, PixelSize beside, PixelSize below, int spacing)
{
    if (stageFits(room, stage, beside, below, spacing, PanelPlace::Beside))
        return PanelPlace::Beside;
    if (stageFits(room, stage, beside, below, spacing, PanelPlace::Below))
        return PanelPlace::Below;
    const long besideSeen = seenArea(roomAt(room, beside, below, spacing, PanelPlace::Beside), stage);
    const long belowSeen = seenArea(roomAt(room, beside, below, spacing, PanelPlace::Below), stage);
    return belowSeen > besideSeen && below.width <= room.width ? PanelPlace::Below : PanelPlace::Beside;
}

int fittingZoom(PixelSize room, PixelSize frame, PixelSize beside, PixelSize below, int spacing)
{
    for (int zoom = kLargestZoom; zoom > kSmallestZoom; --zoom) {
        const PixelSize stage = stageNeed(zoom, frame);
        if (stageFits(room, stage, beside, below, spacing, PanelPlace::Beside) ||
            stageFits(room, stage, beside, below, spacing, PanelPlace::Below))
            return zoom;
    }
    return kSmallestZoom;
}

} // namespace quorled
