#include "enemyart.h"

// Flying and floating enemies: the large birds, the striped diving bugs, the
// rug bird on its carpet, the raids, the floating padlock, the jumping fish and
// the climbing ball.
namespace quorled::art {

namespace {

// A large bird facing right, 32 x 16, with its top-left corner at (x, y).
void largeBird(Canvas& c, int x, int y)
{
    Canvas b(32, 16);
    b.oval(2, 6, 8, 9, Red);          // tail
    b.oval(6, 4, 24, 13, Red);        // body
    b.oval(10, 8, 22, 13, White);     // belly
    b.oval(20, 1, 28, 9, Red);        // head
    b.box(28, 5, 31, 6, Yellow);      // beak
    b.dot(29, 7, Orange);
    b.dot(30, 7, Orange);
    b.box(24, 3, 25, 5, White);       // eye
    b.box(25, 4, 25, 5, Black);
    for (int k = 0; k < 8; ++k)       // wing raised over the back
        b.line(9 + k, 7 - k / 2, 19 - k / 3, 7 - k / 2, DarkRed);
    b.line(7, 0, 12, 4, DarkRed);
    b.line(8, 0, 13, 4, DarkRed);
    b.dot(16, 14, Orange);            // feet
    b.dot(18, 14, Orange);
    b.outline(Black);
    c.paste(b, x, y);
}

void flyingBug(Canvas& c, Ink body, bool swooping)
{
    c.pattern(0, 0, {
        "................",
        "..lll.lll.......",
        ".lwwwllwwwl.....",
        ".lwwwwlwwwwl....",
        "..llkkkkklll....",
        "...krrrrrrk.....",
        "..krrrrrrrrk....",
        "..krkrrkkrrrk...",
        "..krkrrkkrrrk..y",
        ".krrrrkkrrrrkkyk",
        "..kkrrkkrrrrkkky",
        "...krrkkrrrrk..k",
        "....krrkkrrk....",
        ".....kkkkkk.....",
        "......kn.kn.....",
        "......k..k......",
    });
    c.swap(Red, body);
    if (swooping) {
        // Nose down: shift the spear to point forward and down.
        c.box(13, 8, 15, 11, Clear);
        c.line(11, 10, 15, 14, Black);
        c.dot(15, 15, Yellow);
        c.dot(14, 15, Yellow);
        c.dot(15, 14, Yellow);
    }
    c.mirror();
}

void rugBird(Canvas& c, int x, int y)
{
    c.pattern(x, y, {
        "......kkkk......",
        ".....kBBBBk.....",
        "....kBBBBBBk....",
        "...kBwwBBBBk....",
        "...kBwkBBBBBk...",
        "..kyyBBBBBBBk...",
        ".kyyyyBBBBBBk...",
        "..kkkBBBBBBBBk..",
        "....kBBBbbBBBBk.",
        "...kBBBbbbbBBBBk",
        "...kBBBBbbBBBBk.",
        "...kBBBBBBBBBk..",
        "....kBBBBBBBk...",
        ".....kkBBBkk....",
        "......ko.ok.....",
        ".....koo.ook....",
    });
    c.swap(DarkBlue, Purple);   // a purple rug bird of our own
    c.swap(Blue, Pink);
}

void carpet(Canvas& c, int y)
{
    c.box(1, y, 30, y + 4, Red);
    for (int x = 3; x < 30; x += 4) {
        c.dot(x, y + 2, Yellow);
        c.dot(x + 1, y + 1, Yellow);
        c.dot(x + 1, y + 3, Yellow);
        c.dot(x + 2, y + 2, Yellow);
    }
    c.line(1, y + 1, 30, y + 1, Orange);
    c.frame(0, y - 1, 31, y + 5, Black);
    for (int x = 1; x < 31; x += 2)   // fringe
        c.dot(x, y + 6, Yellow);
}

void bomb(Canvas& c, int x, int y)
{
    c.oval(x, y + 2, x + 6, y + 8, DarkBlue);
    c.dot(x + 2, y + 4, White);
    c.dot(x + 3, y + 1, Grey);
    c.dot(x + 4, y, Orange);
}

void miniBird(Canvas& c, int x, int y)
{
    c.oval(x, y + 2, x + 9, y + 6, Red);
    c.oval(x + 7, y, x + 11, y + 4, Red);
    c.box(x + 12, y + 2, x + 13, y + 2, Yellow);
    c.line(x + 3, y + 3, x + 6, y, DarkRed);
    c.dot(x + 9, y + 1, White);
}

void floatingPadlock(Canvas& c)
{
    c.oval(3, 0, 12, 9, Grey);            // shackle
    c.oval(5, 2, 10, 9, Clear);
    c.box(1, 6, 14, 15, Yellow);          // lock body
    c.box(1, 6, 14, 7, Orange);
    c.box(3, 8, 5, 10, Black);            // eyes
    c.box(10, 8, 12, 10, Black);
    c.dot(4, 9, Red);
    c.dot(11, 9, Red);
    c.oval(6, 10, 9, 12, Black);          // keyhole
    c.box(7, 12, 8, 14, Black);
    c.outline(Black);
}

void jumpingFish(Canvas& c)
{
    c.pattern(0, 0, {
        "......kkkk......",
        ".....kwwrrk.....",
        "....kwkwrrrk....",
        "....kwwrrrrk....",
        "...krrrrrrrrk...",
        "...krrwwrrrrk...",
        "..kkrrwwrrrrkk..",
        ".kookrrrrrrkook.",
        "kooookrrrrkoooo.",
        ".kkk.krrrrk.kkk.",
        ".....krrrrk.....",
        "......krrk......",
        ".....kookook....",
        "....koooooook...",
        "....kkk..kkkk...",
    });
}

void climbingBall(Canvas& c)
{
    c.oval(1, 1, 14, 14, Yellow);
    c.oval(1, 1, 14, 8, Orange);
    c.box(4, 4, 5, 5, Black);
    c.box(10, 4, 11, 5, Black);
    c.dot(3, 10, Red);
    c.dot(8, 11, Red);
    c.dot(12, 9, Red);
    c.line(6, 8, 9, 8, DarkRed);
    c.outline(Black);
    c.dot(0, 12, Black);
    c.dot(15, 12, Black);
}

} // namespace

bool drawFlyers(int type, Canvas& c)
{
    switch (type) {
    case 0x0A:   // carrying a bomb on a string
        largeBird(c, 0, 0);
        c.mirror();
        c.line(15, 15, 15, 18, Grey);
        drawFuseBeetle(c, 8, 16);
        return true;
    case 0x0B: largeBird(c, 0, 0); return true;
    case 0x0C: largeBird(c, 0, 0); c.mirror(); return true;
    case 0x0F: flyingBug(c, Red, true); return true;
    case 0x10: flyingBug(c, Grey, false); return true;
    case 0x12:
        rugBird(c, 8, 7);
        carpet(c, 23);
        return true;
    case 0x13: jumpingFish(c); return true;
    case 0x14: climbingBall(c); return true;
    case 0x17: floatingPadlock(c); return true;
    case 0x41: carpet(c, 5); return true;
    case 0x47:   // three birds, each with a bomb
        miniBird(c, 1, 2);
        miniBird(c, 17, 9);
        miniBird(c, 3, 17);
        bomb(c, 4, 8);
        bomb(c, 21, 16);
        bomb(c, 6, 23);
        c.outline(Black);
        return true;
    case 0x48: {   // three small bugs in a row
        for (int k = 0; k < 3; ++k) {
            const int x = 1 + 5 * k;
            const int y = 2 + 4 * k;
            c.oval(x, y, x + 4, y + 4, Red);
            c.dot(x + 1, y + 1, White);
            c.dot(x + 1, y - 1, LightBlue);
            c.dot(x + 3, y - 1, LightBlue);
            c.dot(x - 1, y + 3, Yellow);
        }
        c.outline(Black);
        return true;
    }
    default: return false;
    }
}

} // namespace quorled::art
