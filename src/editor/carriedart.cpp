#include "carriedart.h"

#include "assets/artwork.h"

namespace quorled {

CarriedPictures carriedPictures()
{
    const assets::Artwork artwork = assets::Artwork::load();
    CarriedPictures pictures;
    pictures.scenery0 = artwork.scenery[0];
    pictures.scenery1 = artwork.scenery[1];
    pictures.scenery3 = artwork.scenery[2];
    pictures.scenery6 = artwork.scenery[3];
    pictures.labels = artwork.labels;
    pictures.enemies = artwork.enemies;
    pictures.enemyMask = artwork.enemyMask;
    pictures.masterPalette = artwork.masterPalette;
    return pictures;
}

QPixmap splashPicture()
{
    return QPixmap(QStringLiteral(":/assets/splash.jpg"));
}

} // namespace quorled
