#include "enemyart.h"

// Ground enemies: the heart, the hooded walkers, the big-nosed puffers, the
// crested bird, the hedgehog, the leaf-eared imps, the fuse beetles and the
// long-legged strider.
namespace quorled::art {

void drawHoodedWalker(Canvas& c, int x, int y, Ink body)
{
    c.pattern(x, y, {
        "......kk........",
        ".....krrk.......",
        "....krrrrk......",
        "...krrrrrrkk....",
        "..krrrrrrrrrk...",
        "..krrkkkkkrrk...",
        "..krkkykkykrk...",
        "..krkkykkykrk...",
        "..krkkkkkkkrk...",
        "..krrkkkkkrrk...",
        ".krrrrrrrrrrrk..",
        ".krRrrrrrrrRrk..",
        "krrRrrrrrrrRrrk.",
        "kRrrRRrrrRRrrRk.",
        ".kkkknnk.nnkkkk.",
        "....kkkk.kkkk...",
    });
    for (int yy = y; yy < y + 16; ++yy)
        for (int xx = x; xx < x + 16; ++xx)
            if (c.at(xx, yy) == Red)
                c.dot(xx, yy, body);
}

void drawFuseBeetle(Canvas& c, int x, int y)
{
    c.pattern(x, y, {
        "......y.........",
        ".....yoy........",
        "......k.........",
        "......k.........",
        "....kkkkkk......",
        "...kEEeEEEk.....",
        "..kEEEeEEEEk.k..",
        ".kEEEEeEEEEkk.k.",
        ".kEEEEeEEEEkkkk.",
        ".kEEEEeEEEkwkkk.",
        ".kEEEEeEEEkkkkk.",
        "..kEEEeEEEkkkk..",
        "...kkkkkkkkkk...",
        "...k.k.k..k.k...",
        "..k.k.k..k.k....",
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

void crestedBird(Canvas& c)
{
    c.pattern(0, 0, {
        "......k.k.......",
        ".....kykyk......",
        "......kyk.......",
        "....kkkkkkk.....",
        "...krrrrrrrk....",
        "..krrrrrwwrrk...",
        "..krrrrrwkrrkk..",
        "..krrrrrrrrkyyk.",
        ".krrRRrrrrrkyyyk",
        ".krRRRRrrrrrkkk.",
        ".krrRRRrrrrrk...",
        "..krrrrrwwwrk...",
        "...krrrwwwwk....",
        "....kkkkkkk.....",
        ".....ok.ok......",
        "....ook.ook.....",
    });
}

void hedgehog(Canvas& c)
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
    c.swap(DarkBlue, Brown);
    c.swap(White, Tan);
    c.swap(Red, Pink);
}

void bigNose(Canvas& c, Ink body, Ink nose)
{
    c.pattern(0, 0, {
        "................",
        "...kk.....kk....",
        "..krrk...krrk...",
        "..krrrkkkrrrk...",
        ".krrrrrrrrrrk...",
        ".krrwwrrwwrrk...",
        ".krrwkrrwkrrkkk.",
        "krrrrrrrrrrkgggk",
        "krrrrrrrrrkgggRk",
        "krrrrrrrrrrkgggk",
        ".krrrrrrrrrrkkk.",
        ".krrrrrrrrrrk...",
        "..krrrrrrrrk....",
        "...kkrrrrkk.....",
        "...kBBk.kBBk....",
        "...kkkk.kkkk....",
    });
    c.swap(Grey, nose);
    c.swap(Red, body);
}

void leafImp(Canvas& c, bool jumping)
{
    c.pattern(0, 0, {
        "..k.......k.....",
        ".kik.....kik....",
        ".kiik...kiik....",
        "..kiik.kiik.....",
        "...kiikiik......",
        "...keeeeeek.....",
        "..keeeeeeeek....",
        "..kewkeewkek....",
        "..keeeeeeeek....",
        "..keeerreeek....",
        "...keeeeeek.....",
    });
    if (!jumping) {
        c.pattern(0, 11, {
            "..keekeekeek....",
            ".keek.kk.keek...",
            ".kek......kek...",
            "kok........kok..",
            "kkk........kkk..",
        });
        return;
    }
    c.pattern(0, 11, {
        ".keeeeeeeeeek...",
        "kek.keeeek.kek..",
        "kk..kook.kook...",
        "....kkk...kkk...",
    });
}

void strider(Canvas& c)
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
    c.swap(Pink, Tan);
}

} // namespace

bool drawWalkers(int type, Canvas& c)
{
    switch (type) {
    case 0x00: heart(c); return true;
    case 0x01: drawHoodedWalker(c, 0, 0, Red); return true;
    case 0x02: crestedBird(c); return true;
    case 0x03: drawHoodedWalker(c, 0, 0, Pink); return true;
    case 0x04: hedgehog(c); return true;
    case 0x05: bigNose(c, Red, Pink); return true;
    case 0x06: bigNose(c, Grey, Pink); return true;
    case 0x07: bigNose(c, Pink, Orange); return true;
    case 0x08: strider(c); return true;
    case 0x09: drawFuseBeetle(c, 0, 0); return true;
    case 0x0D: leafImp(c, false); return true;
    case 0x0E: leafImp(c, true); return true;
    case 0x15:   // climbing out of a jar
        drawHoodedWalker(c, 0, 2, Red);
        c.box(0, 11, 15, 15, Clear);
        drawJarRim(c, 0, 11);
        return true;
    case 0x16:
        drawFuseBeetle(c, 0, 1);
        c.box(0, 11, 15, 15, Clear);
        drawJarRim(c, 0, 11);
        return true;
    default: return false;
    }
}

} // namespace quorled::art
