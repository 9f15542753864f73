#include "artwork.h"

#include "imageconversion.h"

#include "romdata/imageerror.h"

#include <QImage>
#include <QString>

namespace quorled::assets {

Picture loadArtwork(const std::string& name)
{
    const QString path = QStringLiteral(":/assets/") + QString::fromStdString(name);
    QImage image;
    if (!image.load(path))
        throw ImageError("The program's picture " + name + " is missing or cannot be decoded.");
    return pictureFromImage(image);
}

Artwork Artwork::load()
{
    Artwork artwork;
    artwork.scenery = {loadArtwork("scenery0.png"), loadArtwork("scenery1.png"), loadArtwork("scenery3.png"),
                       loadArtwork("scenery6.png")};
    artwork.labels = loadArtwork("worksheet-labels.png");
    for (int set = 0; set < 4; ++set)
        artwork.enemies[static_cast<std::size_t>(set)] = loadArtwork("enemies" + std::to_string(set) + ".png");
    artwork.enemyMask = loadArtwork("enemymask.png");
    artwork.masterPalette = loadArtwork("masterpalette.png");
    artwork.characters = loadArtwork("characters.png");
    return artwork;
}

GraphicsSources Artwork::sources() const
{
    GraphicsSources sources;
    sources.scenery0 = &scenery[0];
    sources.scenery1 = &scenery[1];
    sources.scenery3 = &scenery[2];
    sources.scenery6 = &scenery[3];
    sources.labels = &labels;
    sources.enemies = {&enemies[0], &enemies[1], &enemies[2], &enemies[3]};
    sources.enemyMask = &enemyMask;
    sources.masterPalette = &masterPalette;
    return sources;
}

GraphicsModel loadGraphics()
{
    const Artwork artwork = Artwork::load();
    GraphicsModel model;
    initGraphics(model, artwork.sources());
    return model;
}

} // namespace quorled::assets
