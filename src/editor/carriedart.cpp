#include "carriedart.h"

#include "assets/artwork.h"
#include "assets/imageconversion.h"

namespace quorled {

namespace {

// Decoded once per run: every editor core and dialog of the process draws
// with them.
const assets::Artwork& artwork()
{
    static const assets::Artwork pictures = assets::Artwork::load();
    return pictures;
}

} // namespace

GraphicsSources carriedPictures() { return artwork().sources(); }

QImage characterPicture() { return assets::imageFromPicture(artwork().characters); }

QPixmap splashPicture()
{
    return QPixmap(QStringLiteral(":/assets/splash.jpg"));
}

} // namespace quorled
