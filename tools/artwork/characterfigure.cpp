#include "characterfigure.h"

#include <algorithm>

namespace quorled::art {

namespace {

constexpr int kFrameWidth = 16;
constexpr int kFrameHeight = 40;
constexpr int kFeetTop = 35;      // feet on rows 35..36, ground below
constexpr int kGroundTop = 37;

enum class Headwear { Hood, PointedHat, Helmet, LongHair };

// The look of each character, in button order: a hooded all-rounder, a tall
// jumper in a pointed hat, a short strong one in a helmet with goggles, and a
// long-haired floater in a dress.
struct Look {
    Headwear headwear;
    int legs;
    int torso;
    Ink hat;
    Ink skin;
    Ink shirt;
    Ink trousers;
    Ink shoes;
};

constexpr Look kLooks[4] = {
    {Headwear::Hood, 5, 7, Orange, Skin, Blue, DarkBlue, Brown},
    {Headwear::PointedHat, 8, 7, Green, Skin, White, DarkGreen, Brown},
    {Headwear::Helmet, 3, 6, DarkGrey, Skin, Yellow, Brown, DarkGrey},
    {Headwear::LongHair, 7, 6, Cyan, Skin, Pink, Pink, Red},
};

void head(Canvas& c, const Look& look, int top)
{
    c.oval(2, top, 11, top + 7, look.skin);
    switch (look.headwear) {
    case Headwear::Hood:
        c.oval(1, top - 2, 11, top + 3, look.hat);
        c.box(1, top, 4, top + 6, look.hat);
        c.dot(11, top + 1, look.hat);
        break;
    case Headwear::PointedHat:
        c.box(1, top, 11, top + 1, look.hat);
        for (int k = 0; k < 4; ++k)
            c.box(3 + k, top - 1 - k, 9 - k, top - 1 - k, look.hat);
        c.dot(2, top - 4, Yellow);                 // bobble
        c.box(2, top + 2, 3, top + 5, Brown);      // hair
        break;
    case Headwear::Helmet:
        c.oval(1, top - 2, 12, top + 5, look.hat);
        c.box(1, top + 3, 12, top + 7, Clear);
        c.oval(2, top, 11, top + 7, look.skin);
        c.box(1, top + 2, 12, top + 2, look.hat);
        c.box(7, top + 3, 11, top + 4, LightBlue);  // goggles
        c.dot(9, top + 3, White);
        c.box(10, top - 1, 11, top, Yellow);       // lamp on the brim
        break;
    case Headwear::LongHair:
        c.oval(1, top - 1, 11, top + 2, look.hat);
        c.box(1, top + 1, 4, top + 12, look.hat);
        c.box(5, top - 2, 8, top - 2, Yellow);     // tiara
        c.dot(6, top - 3, Yellow);
        break;
    }
    c.box(9, top + 3, 9, top + 4, Black);          // eye, facing right
    c.dot(12, top + 4, look.skin);                 // nose
}

void vegetable(Canvas& c, int x, int y)
{
    Canvas v(7, 10);
    v.pattern(0, 0, {
        ".e.e.e.",
        ".eeeee.",
        "..eee..",
        "...e...",
        ".kwwwk.",
        "kwwwwwk",
        "kwwwwpk",
        "kwwwppk",
        ".kwppk.",
        "..kkk..",
    });
    v.swap(Green, Lime);
    c.paste(v, x, y);
}

} // namespace

Canvas drawPickupFrame(int character, const FramePose& pose, bool withVegetable)
{
    const Look& look = kLooks[std::clamp(character, 0, 3)];
    Canvas body(kFrameWidth, kFrameHeight);

    const int legs = std::max(1, look.legs - pose.crouch);
    const int legTop = kFeetTop - legs;
    const int torsoTop = legTop - look.torso;
    const int headTop = torsoTop - 8;

    // Legs (or a dress) and feet.
    if (look.headwear == Headwear::LongHair) {
        for (int y = torsoTop + 3; y < kFeetTop; ++y) {
            const int spread = (y - torsoTop) / 3;
            body.box(4 - spread, y, 9 + spread, y, look.trousers);
        }
    } else {
        body.box(3, legTop, 5, kFeetTop - 1, look.trousers);
        body.box(8, legTop, 10, kFeetTop - 1, look.trousers);
    }
    body.box(2, kFeetTop, 5, kFeetTop + 1, look.shoes);
    body.box(8, kFeetTop, 11, kFeetTop + 1, look.shoes);

    // Torso with a belt line, then the head.
    const int wide = look.headwear == Headwear::Helmet ? 1 : 0;
    body.box(3 - wide, torsoTop, 10 + wide, legTop - 1, look.shirt);
    if (look.headwear != Headwear::LongHair)
        body.box(3 - wide, legTop - 1, 10 + wide, legTop - 1, Black);
    head(body, look, headTop);

    // Arms and hands.
    const int vegX = pose.vegetable == Place::Head ? 3 : 9;
    int vegY = kFeetTop - 2 - pose.rise;
    switch (pose.arms) {
    case Arms::Side:
        body.box(11 + wide, torsoTop + 1, 11 + wide, torsoTop + 4, look.shirt);
        body.dot(11 + wide, torsoTop + 5, look.skin);
        break;
    case Arms::Reach:
        body.line(10, torsoTop + 1, 13, torsoTop + 5, look.shirt);
        body.dot(13, torsoTop + 6, look.skin);
        break;
    case Arms::Down:
        body.line(10, torsoTop + 1, 12, vegY, look.shirt);
        body.dot(12, vegY + 1, look.skin);
        break;
    case Arms::Chest:
        body.box(10, torsoTop + 2, 13, torsoTop + 3, look.shirt);
        body.dot(14, torsoTop + 3, look.skin);
        vegY = torsoTop - 3;
        break;
    case Arms::Up:
        body.box(2, headTop - 3, 2, torsoTop + 1, look.shirt);
        body.box(11, headTop - 3, 11, torsoTop + 1, look.shirt);
        body.dot(2, headTop - 3, look.skin);
        body.dot(11, headTop - 3, look.skin);
        vegY = std::max(0, headTop - 12 + pose.rise);
        break;
    }
    body.outline(Black);

    Canvas frame(kFrameWidth, kFrameHeight);
    frame.paste(body, 0, 0);
    if (withVegetable)
        vegetable(frame, vegX, vegY);
    frame.box(0, kGroundTop, kFrameWidth - 1, kGroundTop, Green);
    frame.box(0, kGroundTop + 1, kFrameWidth - 1, kFrameHeight - 1, Brown);
    return frame;
}

} // namespace quorled::art
