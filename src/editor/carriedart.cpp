#include "carriedart.h"

#include "assets/artwork.h"

namespace quorled {

GraphicsSources carriedPictures()
{
    // Decoded once per run: every editor core of the process draws with them.
    static const assets::Artwork artwork = assets::Artwork::load();
    return artwork.sources();
}

QPixmap splashPicture()
{
    return QPixmap(QStringLiteral(":/assets/splash.jpg"));
}

} // namespace quorled
