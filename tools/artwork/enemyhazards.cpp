#include "enemyart.h"

// Shots and small hazards: the bubble, bullet, egg, fireballs, rock, fire
// buds, water spout, snow blob, small flame and the sparks.
namespace quorled::art {

namespace {

void bubble(Canvas& c)
{
    c.oval(1, 1, 14, 14, LightBlue);
    c.oval(3, 3, 12, 12, Clear);
    c.box(4, 4, 5, 5, White);
    c.dot(6, 3, White);
    c.dot(3, 6, White);
    c.oval(6, 6, 10, 10, Cyan);
}

void bullet(Canvas& c)
{
    c.pattern(0, 0, {
        "................",
        "................",
        "................",
        "................",
        "......kkkkkkkk..",
        "....kkgggggwwgk.",
        "...kgggggggggwgk",
        "..kggggggggggggk",
        "..kGGGGGGGGGGGGk",
        "...kGGGGGGGGGGGk",
        "....kkGGGGGGGGk.",
        "......kkkkkkkk..",
    });
    c.mirror();
}

void egg(Canvas& c)
{
    c.oval(2, 1, 13, 15, White);
    c.dot(5, 5, Pink);
    c.dot(9, 9, Pink);
    c.dot(6, 12, Pink);
    c.dot(10, 4, Pink);
    c.outline(Black);
}

void fireball(Canvas& c, Ink outer, Ink inner)
{
    c.oval(2, 2, 13, 13, outer);
    c.oval(5, 5, 10, 10, inner);
    c.dot(1, 7, outer);
    c.dot(14, 8, outer);
    c.dot(7, 1, outer);
    c.dot(8, 14, outer);
    c.dot(6, 6, White);
}

void rock(Canvas& c)
{
    c.pattern(0, 0, {
        "................",
        "................",
        ".....kkkkk......",
        "...kkgggggkk....",
        "..kgwwggggggk...",
        "..kgwgggggGgk...",
        ".kgggggggGGggk..",
        ".kggggGggggggk..",
        ".kgggGGgggggGk..",
        ".kggggggggGGGk..",
        "..kGggggggGGk...",
        "..kGGGgggGGGk...",
        "...kkGGGGGkk....",
        ".....kkkkk......",
    });
}

void flameBud(Canvas& c, Ink petals)
{
    // A closed bud whose petals rise like tongues of flame, on a leafy stem.
    c.pattern(0, 0, {
        "......k..k......",
        ".....krkkrk.....",
        "..k..krrrrk..k..",
        ".krk.krrrrk.krk.",
        ".krrkkrrrrkkrrk.",
        "..krrkrrrrkrrk..",
        "..krrrryyrrrrk..",
        "...krryyyyrrk...",
        "...krykyykyrk...",
        "...krrykkyrrk...",
        "....kkrrrrkk....",
        ".....kEEEEk.....",
        "....kEEeeEEk....",
        "...kkEkEEkEkk...",
        "..kEEEk..kEEEk..",
        "..kkkk....kkkk..",
    });
    c.swap(Red, petals);
}

void carFlame(Canvas& c)
{
    c.pattern(0, 0, {
        "................",
        "................",
        "................",
        "................",
        "......rrrrr.....",
        "...rrroooooorr..",
        ".rroooyyyyyoooor",
        "rooyyyywwwyyyyor",
        "rooyyyywwwyyyyor",
        ".rroooyyyyyoooor",
        "...rrroooooorr..",
        "......rrrrr.....",
    });
}

void waterSpout(Canvas& c)
{
    c.oval(1, 0, 6, 4, White);
    c.oval(9, 0, 14, 4, White);
    c.oval(4, 1, 11, 6, White);
    c.box(4, 4, 11, 15, LightBlue);
    c.line(6, 5, 6, 15, White);
    c.line(9, 7, 9, 15, White);
    c.dot(2, 6, LightBlue);
    c.dot(13, 7, LightBlue);
    c.dot(1, 9, LightBlue);
}

void snowBlob(Canvas& c)
{
    c.pattern(0, 0, {
        "................",
        "................",
        ".....kkkkkk.....",
        "...kkwwwwwwkk...",
        "..kwwwwwwwwwwk..",
        ".kwwwwkwwkwwwlk.",
        ".kwwwwkwwkwwwlk.",
        "kwwwwwwwwwwwwllk",
        "kwwwwwwwwwwwwllk",
        "kwwwwwwwwwwwlllk",
        ".kwwwwwwwwwlllk.",
        ".klwwwwwwllllk..",
        "..kllllllllkk...",
        "..kbbbk.kbbbk...",
        "..kkkkk.kkkkk...",
    });
}

// A spark ball whose tail of sparks trails up (1), right (2), down (3) or
// left (4), telling the four kinds apart.
void spark(Canvas& c, int which)
{
    Canvas tail(16, 16);
    tail.triangle(5, 7, 10, 7, 7, 0, Red);     // drawn pointing up, then turned
    tail.triangle(6, 7, 9, 7, 7, 1, Orange);
    Canvas turned(16, 16);
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            const Ink ink = tail.at(x, y);
            switch (which) {
            case 1: turned.dot(x, y, ink); break;
            case 2: turned.dot(15 - y, x, ink); break;
            case 3: turned.dot(x, 15 - y, ink); break;
            default: turned.dot(y, x, ink); break;
            }
        }
    }
    c.paste(turned, 0, 0);
    c.oval(3, 3, 12, 12, Yellow);
    c.oval(5, 5, 10, 10, White);
    for (int k = 0; k < 16; k += 5) {          // crackle round the ball
        c.dot(k, 2 + k % 3, Yellow);
        c.dot(15 - k, 13 - k % 3, Yellow);
    }
    c.box(5, 6, 6, 7, Black);
    c.box(9, 6, 10, 7, Black);
}

} // namespace

bool drawHazards(int type, Canvas& c)
{
    switch (type) {
    case 0x11: bubble(c); return true;
    case 0x1B: bullet(c); return true;
    case 0x1E: egg(c); return true;
    case 0x20: fireball(c, Red, Orange); c.outline(Black); return true;
    case 0x22: rock(c); return true;
    case 0x23: flameBud(c, Red); return true;
    case 0x24: flameBud(c, Pink); return true;
    case 0x25: flameBud(c, Grey); return true;
    case 0x27: carFlame(c); return true;
    case 0x28: waterSpout(c); return true;
    case 0x29: snowBlob(c); return true;
    case 0x2B: drawSmallFlame(c); return true;
    case 0x2E: spark(c, 1); return true;
    case 0x2F: spark(c, 2); return true;
    case 0x30: spark(c, 3); return true;
    case 0x31: spark(c, 4); return true;
    default: return false;
    }
}

} // namespace quorled::art
