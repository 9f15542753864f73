#include "enemyart.h"

#include "view/catalogue.h"

namespace quorled::art {

Canvas drawEnemy(int type)
{
    const Catalogue& catalogue = Catalogue::instance();
    Canvas c(16 * catalogue.enemyWidth(type), 16 * catalogue.enemyHeight(type));
    if (drawWalkers(type, c) || drawFlyers(type, c) || drawBosses(type, c) || drawHazards(type, c)
        || drawItems(type, c))
        return c;
    return Canvas(0, 0);
}

} // namespace quorled::art
