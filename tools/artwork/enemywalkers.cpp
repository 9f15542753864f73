#include "enemyart.h"

// Ground enemies: the heart, masked walkers and shooters, the hopping bird, the
// spiny walker, the star imps, the walking bombs and the ostrich.
namespace quorled::art {

void drawMaskedWalker(Canvas& c, int x, int y, Ink body)
{
    c.pattern(x, y, {
        "................",
        ".....kkkkkk.....",
        "....krrrrrrk....",
        "...krrwwwwrrk...",
        "..krrwwwwwwwrk..",
        "..krwwkwwkwwwk..",
        "..krwwkwwkwwwk..",
        "..krwwwwwwwwrk..",
        "..krrwwkkkwwrk..",
        "..krrrwwwwwrrk..",
        "..krrrrrrrrrrk..",
        "..kkrrrrrrrrkk..",
        "..krrrrrrrrrrk..",
        "...kkBBkkBBkk...",
        "...kBBBkkBBBk...",
        "...kkkkk.kkkk...",
    });
    for (int yy = y; yy < y + 16; ++yy)
        for (int xx = x; xx < x + 16; ++xx)
            if (c.at(xx, yy) == Red)
                c.dot(xx, yy, body);
}

void drawWalkingBomb(Canvas& c, int x, int y)
{
    c.pattern(x, y, {
        "........y.......",
        ".......yoy......",
        "........k.......",
        ".......kgk......",
        ".....kkkkkkk....",
        "....kBBBBBBBk...",
        "...kBwwBBBBBBk..",
        "...kBwBBBwkBBk..",
        "...kBBBBBwkBBk..",
        "...kBBBBBBBBBk..",
        "...kBBBBBBBBBk..",
        "....kBBBBBBBk...",
        ".....kkkkkkk....",
        "....kook.kook...",
        "....kkkk.kkkk...",
        "................",
    });
}

void drawJarRim(Canvas& c, int x, int y)
{
    c.pattern(x, y, {
        "kkkkkkkkkkkkkkkk",
        "keeeeeeeeeeeeeek",
        "kkkkkkkkkkkkkkkk",
        ".kEeEEEEEEEEEEk.",
        ".kEeEEEEEEEEEEk.",
    });
}

namespace {

void heart(Canvas& c)
{
    c.pattern(0, 0, {
        "................",
        "................",
        "...kkk....kkk...",
        "..krrrk..krrrk..",
        ".krwwrrkkrrrrrk.",
        ".krwrrrrrrrrrrk.",
        ".krrrrrrrrrrrrk.",
        ".krrrrrrrrrrrRk.",
        "..krrrrrrrrrRk..",
        "...krrrrrrrRk...",
        "....krrrrrRk....",
        ".....krrrRk.....",
        "......krRk......",
        ".......kk.......",
    });
}

void hoppingBird(Canvas& c)
{
    c.pattern(0, 0, {
        "................",
        ".....kkkkk......",
        "....krrrrrk.....",
        "...krwwwwrrk....",
        "...kwkwwkwrrk...",
        "..kkwwwwwwrrk...",
        ".kyyywwwwrrrrk..",
        "..kkkrrrrrrrrk..",
        "....krrrRRRrrk..",
        "....krrRRRRrrk..",
        ".....krrRRrrk...",
        "......kkkkkk....",
        ".......yk.yk....",
        "......yyk.yyk...",
    });
}

void spinyWalker(Canvas& c)
{
    c.pattern(0, 0, {
        "................",
        "................",
        "....w.w.w.w.....",
        "...wkwkwkwkw....",
        "..wkBBBBBBBkw...",
        ".wkBBBBBBBBBkw..",
        "..kBBBBBBBBBBk..",
        ".kBBBBBBBBBBBBk.",
        ".kBBBBBBBBBwwBk.",
        ".kBBBBBBBBBwkBkk",
        ".kBBBBBBBBBBBBrk",
        "..kBBBBBBBBBBkk.",
        "...kkkkkkkkkk...",
        "...kook..kook...",
        "...kkk....kkk...",
    });
}

void maskedShooter(Canvas& c, Ink body, Ink mask)
{
    c.pattern(0, 0, {
        "................",
        ".....kkkkkk.....",
        "....krrrrrrk....",
        "...krrrrrrrrk...",
        "...krgggggrrk...",
        "..krgkggkggrk...",
        "..krgkggkgggkkkk",
        "..krgggggggggggk",
        "..krgggggggkkkkk",
        "..krrgggggrrk...",
        "..krrrrrrrrrk...",
        "..krrrrrrrrrk...",
        "...krrrrrrrk....",
        "...kBBkkkBBk....",
        "..kBBBk.kBBBk...",
        "..kkkk...kkkk...",
    });
    c.swap(Grey, mask);
    c.swap(Red, body);
}

void starImp(Canvas& c, bool jumping)
{
    if (!jumping) {
        c.pattern(0, 0, {
            "................",
            ".......k........",
            "......kuk.......",
            ".....kuuuk......",
            "kkk.kuuuuuk.kkk.",
            "kuukuuuuuuukuuk.",
            ".kuuuwkuwkuuuk..",
            "..kuuwkuwkuuk...",
            "...kuuuuuuuk....",
            "..kuuurrruuuk...",
            "..kuuuuuuuuuk...",
            ".kuuuukkkuuuuk..",
            ".kuuk.....kuuk..",
            "kuuk.......kuk..",
            "kkk.........kk..",
        });
        return;
    }
    c.pattern(0, 0, {
        "..kk.......kk...",
        ".kuuk.....kuuk..",
        "..kuuk.k.kuuk...",
        "...kuukukuuk....",
        "....kuuuuuk.....",
        "...kuuuuuuuk....",
        "..kuuwkuwkuuk...",
        "..kuuwkuwkuuk...",
        "..kuuuuuuuuuk...",
        "..kuuurrruuuk...",
        "...kuuuuuuuk....",
        "....kuukuuk.....",
        "...kuuk.kuuk....",
        "..kuuk...kuuk...",
        "..kkk.....kkk...",
    });
}

void ostrich(Canvas& c)
{
    c.pattern(0, 0, {
        "................",
        "....kkkkk.......",
        "...kpppppk......",
        "..kppwwpppk.....",
        "kkkppwkpppk.....",
        "kyyyyppppk......",
        ".kkkkkppk.......",
        ".....kppk.......",
        ".....kppk.......",
        ".....kppk.......",
        "....kpppk..kkk..",
        "....kpppkkkpppk.",
        "...kpppppppppppk",
        "..kpppppppppppk.",
        "..kppppRRRRpppk.",
        "..kpppRRRRRRpppk",
        "..kpppRRRRRRppk.",
        "..kppppRRRRpppk.",
        "...kpppppppppk..",
        "....kkpppppkk...",
        "......kkokk.....",
        ".......kok......",
        ".......kok......",
        "......kokok.....",
        "......kok.kok...",
        ".....kok...kok..",
        ".....kok...kok..",
        "....kok.....kok.",
        "...kook.....kook",
        "..koook....koook",
        "..kkkkk....kkkkk",
    });
}

} // namespace

bool drawWalkers(int type, Canvas& c)
{
    switch (type) {
    case 0x00: heart(c); return true;
    case 0x01: drawMaskedWalker(c, 0, 0, Red); return true;
    case 0x02: hoppingBird(c); return true;
    case 0x03: drawMaskedWalker(c, 0, 0, Pink); return true;
    case 0x04: spinyWalker(c); return true;
    case 0x05: maskedShooter(c, Red, Grey); return true;
    case 0x06: maskedShooter(c, Grey, White); return true;
    case 0x07: maskedShooter(c, Pink, Grey); return true;
    case 0x08: ostrich(c); return true;
    case 0x09: drawWalkingBomb(c, 0, 0); return true;
    case 0x0D: starImp(c, false); return true;
    case 0x0E: starImp(c, true); return true;
    case 0x15:   // climbing out of a jar
        drawMaskedWalker(c, 0, 2, Red);
        c.box(0, 11, 15, 15, Clear);
        drawJarRim(c, 0, 11);
        return true;
    case 0x16:
        drawWalkingBomb(c, 0, 1);
        c.box(0, 11, 15, 15, Clear);
        drawJarRim(c, 0, 11);
        return true;
    default: return false;
    }
}

} // namespace quorled::art
