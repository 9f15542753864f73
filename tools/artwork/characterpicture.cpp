#include "characterpicture.h"

#include "characterfigure.h"
#include "spriteinks.h"
#include "view/mastercolours.h"

namespace quorled::art {

namespace {

constexpr int kWidth = 192;
constexpr int kHeight = 160;
constexpr int kRowHeight = 40;
constexpr int kFrames = 9;
constexpr int kBackgroundColour = 0x21;   // console colour of the sky

// Pose and vegetable position of each pick-up frame: frame 1 standing beside
// the sprout, 2 bending, 3 gripping the leaves, 4..6 pulling, 7 holding it at
// the chest, 8 lifting, 9 holding it over the head.
constexpr FramePose kPoses[kFrames] = {
    {0, Arms::Side, Place::Ground, 0},
    {2, Arms::Reach, Place::Ground, 0},
    {4, Arms::Down, Place::Ground, 0},
    {4, Arms::Down, Place::Ground, 3},
    {3, Arms::Down, Place::Ground, 6},
    {2, Arms::Down, Place::Ground, 9},
    {1, Arms::Chest, Place::Chest, 0},
    {0, Arms::Up, Place::Head, 2},
    {0, Arms::Up, Place::Head, 0},
};

void copyFrame(QImage& out, const Canvas& frame, int left, int top)
{
    for (int y = 0; y < frame.height(); ++y)
        for (int x = 0; x < frame.width(); ++x)
            if (frame.at(x, y) != Clear)
                out.setPixel(left + x, top + y, 0xFF000000 | inkColour(0, frame.at(x, y)));
}

} // namespace

QImage drawCharacterPicture()
{
    QImage out(kWidth, kHeight, QImage::Format_RGB32);
    out.fill(0xFF000000 | kMasterColoursRgb[kBackgroundColour]);
    for (int row = 0; row < 4; ++row) {
        const int top = kRowHeight * row;
        copyFrame(out, drawPickupFrame(row, kPoses[0], false), 16, top);
        for (int f = 0; f < kFrames; ++f)
            copyFrame(out, drawPickupFrame(row, kPoses[f], true), 48 + 16 * f, top);
    }
    return out;
}

} // namespace quorled::art
