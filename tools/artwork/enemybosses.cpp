#include "enemyart.h"

// The large enemies: the bosses, the snakes, the cactus stack, the cannon cart
// and the bird-head gates.
namespace quorled::art {

namespace {

void eggSpout(Canvas& c)
{
    c.box(6, 0, 9, 4, DarkGrey);           // spout the eggs come out of
    c.box(7, 0, 8, 1, Black);
    c.oval(1, 3, 14, 29, Grey);            // one tall egg-shaped body
    c.oval(4, 14, 11, 27, White);          // belly
    c.box(3, 8, 5, 10, White);             // eyes
    c.box(10, 8, 12, 10, White);
    c.dot(4, 9, Black);
    c.dot(11, 9, Black);
    c.line(5, 12, 10, 12, DarkGrey);       // mouth
    c.box(0, 16, 1, 20, Grey);             // stubby arms
    c.box(14, 16, 15, 20, Grey);
    c.box(2, 28, 6, 30, Orange);           // feet
    c.box(9, 28, 13, 30, Orange);
    c.outline(Black);
}

void bombRat(Canvas& c)
{
    c.oval(2, 0, 11, 9, Grey);             // ears
    c.oval(20, 0, 29, 9, Grey);
    c.oval(4, 2, 9, 7, Pink);
    c.oval(22, 2, 27, 7, Pink);
    c.oval(6, 4, 25, 19, Grey);            // head
    c.box(9, 9, 12, 12, White);            // eyes
    c.box(19, 9, 22, 12, White);
    c.box(11, 10, 12, 12, Red);
    c.box(19, 10, 20, 12, Red);
    c.line(8, 7, 13, 8, DarkGrey);         // brows
    c.line(18, 8, 23, 7, DarkGrey);
    c.oval(14, 13, 17, 16, Pink);          // nose
    c.line(4, 14, 11, 15, White);          // whiskers
    c.line(20, 15, 27, 14, White);
    c.oval(5, 17, 26, 30, Grey);           // body
    c.oval(9, 19, 22, 29, White);
    c.oval(23, 16, 30, 23, DarkBlue);      // a bomb held up
    c.dot(25, 18, White);
    c.dot(28, 15, Orange);
    c.line(1, 31, 6, 26, Pink);            // tail
    c.box(7, 29, 12, 31, Pink);            // feet
    c.box(19, 29, 24, 31, Pink);
    c.outline(Black);
}

void snakeHead(Canvas& c, int x, int y, bool facingLeft)
{
    Canvas h(12, 10);
    h.oval(0, 0, 11, 8, Red);
    h.box(2, 2, 3, 3, White);
    h.dot(2, 3, Black);
    h.line(0, 6, 5, 6, Black);            // mouth
    h.dot(0, 7, Yellow);                  // fang
    if (!facingLeft)
        h.mirror();
    c.paste(h, x, y);
}

void tripleSnake(Canvas& c)
{
    // Three necks from one body; heads left, middle and right.
    for (int k = 0; k < 4; ++k) {
        c.line(6 + k, 12, 10 + k, 30, DarkRed);
        c.line(14 + k, 8, 14 + k, 30, DarkRed);
        c.line(22 + k, 12, 18 + k, 30, DarkRed);
    }
    snakeHead(c, 0, 4, true);
    snakeHead(c, 10, 0, true);
    snakeHead(c, 20, 4, false);
    c.oval(3, 26, 28, 44, Red);           // coiled body
    for (int y = 30; y < 44; y += 4)
        c.line(6, y, 25, y, DarkRed);
    c.oval(8, 38, 23, 46, Orange);        // belly
    c.outline(Black);
}

void crab(Canvas& c)
{
    c.oval(0, 0, 10, 9, Red);             // claws
    c.oval(21, 0, 31, 9, Red);
    c.box(4, 0, 6, 3, Clear);
    c.box(25, 0, 27, 3, Clear);
    c.line(6, 9, 9, 15, Red);             // arms
    c.line(25, 9, 22, 15, Red);
    c.line(12, 8, 12, 14, Red);           // eye stalks
    c.line(19, 8, 19, 14, Red);
    c.oval(10, 4, 14, 8, White);
    c.oval(17, 4, 21, 8, White);
    c.dot(12, 6, Black);
    c.dot(19, 6, Black);
    c.oval(4, 13, 27, 27, Red);           // shell
    c.oval(8, 15, 23, 21, Orange);
    c.line(12, 24, 19, 24, Black);        // mouth
    for (int k = 0; k < 3; ++k) {         // legs
        c.line(4 + 3 * k, 24, 1 + 3 * k, 31, DarkRed);
        c.line(27 - 3 * k, 24, 30 - 3 * k, 31, DarkRed);
    }
    c.outline(Black);
}

// A flame shape with a face, size w x h, at (x, y): a round body with three
// tongues rising from it, red outside, then orange, then a yellow heart.
void flame(Canvas& c, int x, int y, int w, int h)
{
    Canvas f(w, h);
    const Ink layers[3] = {Red, Orange, Yellow};
    for (int k = 0; k < 3; ++k) {
        const int inset = k * w / 8;
        const int left = inset;
        const int right = w - 1 - inset;
        const int top = h / 3 + k * h / 10;
        f.oval(left, top, right, h - 1 - k * h / 16, layers[k]);
        const int base = top + (h - top) / 3;
        const int span = right - left + 1;
        f.triangle(left, base, left + span / 2, base, left + span / 6, k * h / 10 + h / 6, layers[k]);
        f.triangle(left + span / 4, base, right - span / 4, base, left + span / 2, k * h / 10, layers[k]);
        f.triangle(left + span / 2, base, right, base, right - span / 6, k * h / 10 + h / 8, layers[k]);
    }
    const int e = w / 10 + 1;   // eyes and mouth
    const int eyeY = h * 3 / 5;
    f.box(w / 3 - e, eyeY, w / 3, eyeY + e + 1, White);
    f.box(w * 2 / 3, eyeY, w * 2 / 3 + e, eyeY + e + 1, White);
    f.box(w / 3 - e / 2, eyeY + e / 2 + 1, w / 3, eyeY + e + 1, Black);
    f.box(w * 2 / 3, eyeY + e / 2 + 1, w * 2 / 3 + e / 2, eyeY + e + 1, Black);
    f.line(w / 3, h * 5 / 6, w * 2 / 3, h * 5 / 6, DarkRed);
    f.line(w / 3 - 1, h * 5 / 6 - 1, w / 3, h * 5 / 6, DarkRed);
    f.line(w * 2 / 3 + 1, h * 5 / 6 - 1, w * 2 / 3, h * 5 / 6, DarkRed);
    f.outline(Black);
    c.paste(f, x, y);
}

void lumpBoss(Canvas& c)
{
    c.oval(4, 8, 43, 44, Brown);          // a heap of a body
    c.oval(6, 2, 17, 14, Brown);          // lumps on top
    c.oval(18, 0, 30, 12, Brown);
    c.oval(31, 3, 41, 14, Brown);
    c.oval(12, 26, 35, 43, Tan);          // belly
    c.oval(12, 12, 20, 20, White);        // eyes under heavy brows
    c.oval(27, 12, 35, 20, White);
    c.box(15, 15, 17, 18, Black);
    c.box(30, 15, 32, 18, Black);
    c.line(10, 10, 20, 12, DarkRed);
    c.line(27, 12, 37, 10, DarkRed);
    c.box(14, 23, 33, 27, DarkRed);       // wide grin with square teeth
    for (int x = 15; x < 33; x += 4)
        c.box(x, 23, x + 1, 24, White);
    for (int k = 0; k < 5; ++k)           // spots
        c.dot(8 + 7 * k, 30 + (k % 2) * 6, Orange);
    c.oval(0, 24, 7, 34, Brown);          // stubby arms
    c.oval(40, 24, 47, 34, Brown);
    c.oval(8, 42, 19, 47, DarkRed);       // feet
    c.oval(28, 42, 39, 47, DarkRed);
    c.outline(Black);
}

void snakeInJar(Canvas& c, bool sand)
{
    c.pattern(0, 0, {
        "....kkkkkk......",
        "...krrrrrrkk....",
        "..krrwwrrrrrk...",
        "..krrwkrrrrrk...",
        ".krrrrrrrrrrrk..",
        "kkkkkrrrrrrrrk..",
        "kyk.krrrrrrrk...",
        ".k.krrrrrrrk....",
        "...kkkkrrrrk....",
        "......krrrrk....",
        ".....krRrrk.....",
        "....krRrrk......",
        "....krrRrk......",
        ".....krrRrk.....",
        "......krrrk.....",
        ".....krrRk......",
    });
    if (sand) {
        c.swap(Red, Orange);
        c.oval(0, 19, 15, 40, Tan);
        c.box(0, 30, 15, 31, Tan);
        for (int k = 0; k < 16; k += 3)
            c.dot(k, 22 + k % 5, Orange);
        c.outline(Black);
        return;
    }
    c.box(2, 16, 13, 18, Red);
    drawJarRim(c, 0, 18);
    c.box(1, 23, 14, 31, DarkGreen);
    c.box(2, 23, 3, 29, Green);
    c.frame(0, 23, 15, 31, Black);
}

void cactusStack(Canvas& c)
{
    // Four ribbed barrel segments with spines; the top one has the face.
    for (int k = 0; k < 4; ++k) {
        const int y = 16 * k;
        c.box(2, y + 1, 13, y + 15, k == 0 ? Lime : Green);
        for (int x = 4; x < 13; x += 4)
            c.line(x, y + 2, x, y + 14, DarkGreen);
        for (int s = y + 3; s < y + 15; s += 4) {
            c.dot(1, s, White);
            c.dot(14, s + 2, White);
        }
    }
    c.box(3, 5, 5, 7, Black);
    c.box(10, 5, 12, 7, Black);
    c.line(5, 11, 10, 11, DarkGreen);
    c.outline(Black);
}

void cannonCart(Canvas& c)
{
    // The rider is the red hooded walker's own tile, so it is drawn unchanged.
    drawHoodedWalker(c, 0, 0, Red);
    Canvas car(16, 48);
    car.box(1, 17, 14, 33, Grey);          // armoured body
    car.line(1, 17, 14, 17, White);
    car.box(1, 29, 14, 30, Red);
    car.box(0, 21, 5, 27, DarkGrey);       // flame nozzle, facing left
    car.oval(0, 22, 2, 26, Black);
    car.dot(8, 20, White);                 // rivets
    car.dot(12, 20, White);
    car.dot(8, 25, White);
    car.dot(12, 25, White);
    car.box(2, 34, 13, 36, DarkGrey);      // axle
    car.oval(0, 36, 7, 44, DarkGrey);      // wheels
    car.oval(8, 36, 15, 44, DarkGrey);
    car.oval(2, 38, 5, 42, Grey);
    car.oval(10, 38, 13, 42, Grey);
    car.outline(Black);
    car.box(0, 0, 15, 15, Clear);
    c.paste(car, 0, 0);
}

// A bird-head gate 16 x 48 facing left; open mouth (the way through) when
// `open`.
void birdGate(Canvas& c, bool open, Ink crest)
{
    for (int k = 0; k < 3; ++k)            // crest feathers
        c.triangle(6 + 3 * k, 8, 10 + 2 * k, 8, 9 + 3 * k, 0, crest);
    c.oval(2, 4, 15, 30, Grey);            // head
    c.box(9, 10, 15, 30, Grey);
    c.line(4, 8, 12, 7, DarkGrey);         // brow
    c.oval(5, 9, 11, 15, White);           // eye
    c.oval(6, 11, 8, 13, Red);
    const int jaw = open ? 33 : 25;
    if (open)
        c.box(3, 24, 12, 33, Black);       // mouth
    c.triangle(0, 22, 11, 17, 11, 24, Yellow);   // hooked upper beak
    c.dot(0, 23, Yellow);
    c.dot(1, 24, Yellow);
    c.triangle(3, jaw, 11, jaw, 11, jaw + 4, Orange);   // lower beak
    c.box(3, 36, 15, 47, DarkGrey);        // feathered neck
    for (int y = 38; y < 47; y += 3)
        for (int x = 4 + (y % 2); x < 15; x += 3)
            c.dot(x, y, Grey);
    c.outline(Black);
}

} // namespace

bool drawBosses(int type, Canvas& c)
{
    switch (type) {
    case 0x18: snakeInJar(c, false); return true;
    case 0x19: snakeInJar(c, true); return true;
    case 0x1A: cactusStack(c); return true;
    case 0x1C: eggSpout(c); return true;
    case 0x1D: bombRat(c); return true;
    case 0x1F: tripleSnake(c); return true;
    case 0x21: crab(c); return true;
    case 0x26: cannonCart(c); return true;
    case 0x2A: flame(c, 2, 2, 44, 45); return true;
    case 0x2C: lumpBoss(c); return true;
    case 0x2D: birdGate(c, false, Red); return true;
    case 0x42: birdGate(c, true, Purple); c.mirror(); return true;
    case 0x43: birdGate(c, true, Purple); return true;
    default: return false;
    }
}

// Small flames share the fire boss's drawing.
void drawSmallFlame(Canvas& c) { flame(c, 1, 0, 14, 16); }

} // namespace quorled::art
