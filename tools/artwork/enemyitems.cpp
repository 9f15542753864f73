#include "enemyart.h"

// Things to pick up or carry: vegetables, shell, coin, lit bomb, blocks, the
// rolling platform, the shadow-world door, key, potion, caps, crystal
// ball, star and stopwatch.
namespace quorled::art {

namespace {

void sprout(Canvas& c)
{
    c.pattern(0, 0, {
        "................",
        "................",
        "................",
        "................",
        "................",
        "................",
        "................",
        ".....k....k.....",
        "....kek..kek....",
        "....keekkeek....",
        ".....keeeek.....",
        "......keek......",
        ".....kkeekk.....",
        "....kwwwwwwk....",
        "...kwwwwwwwwk...",
        "..kkkkkkkkkkkk..",
    });
}

void turnip(Canvas& c)
{
    c.pattern(0, 0, {
        "...k.kk..k......",
        "..keke.kek......",
        "..keekkeek.kk...",
        "...keeeeek.kek..",
        "....keeeekkeek..",
        ".....keeeeeek...",
        ".....kkkkeekk...",
        "....kwwwwwwk....",
        "...kwwwwwwwwk...",
        "..kwwwwwwwwwpk..",
        "..kwwwwwwwwwpk..",
        "..kwwwwwwwwppk..",
        "...kwwwwwwppk...",
        "....kkwwwppk....",
        "......kkkk......",
        ".......kk.......",
    });
}

void shell(Canvas& c)
{
    c.oval(1, 3, 14, 14, Red);
    c.box(1, 11, 14, 14, White);
    c.oval(1, 3, 14, 10, Red);
    c.oval(5, 5, 10, 9, DarkRed);
    c.line(3, 7, 5, 7, DarkRed);
    c.line(10, 7, 12, 7, DarkRed);
    c.dot(4, 5, White);
    c.outline(Black);
}

void coin(Canvas& c)
{
    c.oval(3, 0, 12, 15, Yellow);
    c.oval(5, 2, 10, 13, Orange);
    c.box(7, 4, 8, 11, Yellow);
    c.dot(4, 3, White);
    c.outline(Black);
}

void litBomb(Canvas& c)
{
    c.oval(2, 4, 13, 15, DarkGrey);
    c.oval(4, 6, 6, 8, White);
    c.box(9, 2, 10, 4, Grey);
    c.line(11, 2, 12, 0, Brown);
    c.outline(Black);
    c.dot(13, 0, Yellow);
    c.dot(14, 1, Red);
    c.dot(12, 1, Orange);
    c.dot(14, 0, Orange);
    c.box(6, 11, 9, 12, Red);            // about to go off
}

void liftBlock(Canvas& c)
{
    c.box(0, 0, 15, 15, Tan);
    c.frame(0, 0, 15, 15, Black);
    c.frame(1, 1, 14, 14, Brown);
    c.triangle(3, 7, 12, 7, 7, 2, Red);   // arrow pointing up
    c.triangle(3, 7, 12, 7, 8, 2, Red);
    c.box(6, 7, 9, 12, Red);
    c.line(2, 13, 13, 13, Brown);
}

void blastBlock(Canvas& c)
{
    c.box(0, 0, 15, 15, Blue);
    c.frame(0, 0, 15, 15, Black);
    c.frame(1, 1, 14, 14, LightBlue);
    for (int k = -4; k <= 4; ++k) {       // white burst
        c.dot(7 + k, 7, White);
        c.dot(7, 7 + k, White);
        c.dot(7 + k * 3 / 4, 7 + k * 3 / 4, White);
        c.dot(7 + k * 3 / 4, 7 - k * 3 / 4, White);
    }
    c.oval(5, 5, 9, 9, Yellow);
}

void log(Canvas& c)
{
    c.box(4, 3, 27, 12, Brown);
    c.line(4, 5, 27, 5, Orange);
    c.line(4, 10, 27, 10, DarkRed);
    c.oval(0, 3, 7, 12, Tan);
    c.oval(2, 5, 5, 10, Brown);
    c.oval(24, 3, 31, 12, Tan);
    c.oval(26, 5, 29, 10, Brown);
    c.outline(Black);
}

void shadowDoor(Canvas& c)
{
    c.box(1, 1, 14, 31, Orange);
    c.oval(1, 0, 14, 10, Orange);
    c.box(3, 4, 12, 31, Purple);
    c.oval(3, 2, 12, 10, Purple);
    c.oval(5, 8, 10, 20, DarkBlue);
    c.oval(6, 11, 9, 17, Black);
    c.dot(7, 5, White);
    c.dot(10, 22, White);
    c.dot(5, 26, White);
    c.outline(Black);
}

void key(Canvas& c)
{
    c.pattern(0, 0, {
        "................",
        ".....kkkk.......",
        "....kyyyyk......",
        "...kyykkyyk.....",
        "...kyk..kyk.....",
        "...kyykkyyk.....",
        "....kyyyyk......",
        ".....kyyk.......",
        ".....kyyk.......",
        ".....kyykk......",
        ".....kyyyyk.....",
        ".....kyykk......",
        ".....kyyk.......",
        ".....kyyyyk.....",
        ".....kyykkk.....",
        "......kk........",
    });
}

void potion(Canvas& c)
{
    c.pattern(0, 0, {
        "......kkkk......",
        "......knnk......",
        "......knnk......",
        ".....kkkkkk.....",
        "......kwlk......",
        "......kwlk......",
        ".....kwllllk....",
        "....kwlllllk....",
        "...kwrrrrrrrk...",
        "..kwrrrrrrrrrk..",
        "..kwrrrrrrrrrk..",
        "..kwrrrrrrrrrk..",
        "..krrrrrrrrrrk..",
        "...krrrrrrrrk...",
        "....kkkkkkkk....",
    });
}

void cap(Canvas& c, Ink crown, Ink badge)
{
    c.oval(1, 3, 12, 13, crown);          // crown of the cap
    c.box(1, 9, 12, 12, crown);
    c.box(10, 10, 15, 12, crown);         // peak to the right
    c.line(1, 12, 15, 12, White);         // band
    c.oval(4, 5, 8, 9, badge);            // badge
    c.dot(6, 7, crown);
    c.outline(Black);
}

void crystalBall(Canvas& c)
{
    c.oval(2, 0, 13, 11, LightBlue);
    c.oval(4, 2, 7, 5, White);
    c.oval(8, 6, 11, 9, Cyan);
    c.box(3, 11, 12, 13, Purple);
    c.box(2, 14, 13, 15, DarkBlue);
    c.outline(Black);
}

void star(Canvas& c)
{
    c.pattern(0, 0, {
        ".......kk.......",
        "......kyyk......",
        "......kyyk......",
        ".....kyyyyk.....",
        "kkkkkkyyyykkkkkk",
        "kyyyyyyyyyyyyyyk",
        ".kyyyykyykyyyyk.",
        "..kyyykyykyyyk..",
        "...kyyyyyyyyk...",
        "...kyyyyyyyyk...",
        "..kyyyyyyyyyyk..",
        "..kyyyykkyyyyk..",
        ".kyyyyk..kyyyyk.",
        ".kyykk....kkyyk.",
        "kykk........kkyk",
        "kk............kk",
    });
}

void stopwatch(Canvas& c)
{
    c.box(6, 0, 9, 1, Grey);
    c.box(7, 2, 8, 3, Grey);
    c.oval(1, 3, 14, 15, Grey);
    c.oval(3, 5, 12, 13, White);
    c.line(8, 9, 8, 6, Black);
    c.line(8, 9, 10, 9, Red);
    c.dot(8, 5, Black);
    c.dot(4, 9, Black);
    c.dot(11, 9, Black);
    c.dot(8, 12, Black);
    c.outline(Black);
}

} // namespace

bool drawItems(int type, Canvas& c)
{
    switch (type) {
    case 0x32: sprout(c); return true;
    case 0x33: turnip(c); return true;
    case 0x35: shell(c); return true;
    case 0x36: coin(c); return true;
    case 0x37: litBomb(c); return true;
    case 0x39: liftBlock(c); return true;
    case 0x3A: blastBlock(c); return true;
    case 0x3B: log(c); return true;
    case 0x3C: shadowDoor(c); return true;
    case 0x3D: key(c); return true;
    case 0x3E: potion(c); return true;
    case 0x3F: cap(c, Red, Yellow); return true;
    case 0x40: cap(c, Green, White); return true;
    case 0x44: crystalBall(c); return true;
    case 0x45: star(c); return true;
    case 0x46: stopwatch(c); return true;
    default: return false;
    }
}

} // namespace quorled::art
