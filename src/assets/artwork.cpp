#include "artwork.h"

#include "imageconversion.h"

#include "romdata/imageerror.h"

#include <QImage>
#include <QString>

#include <future>
#include <utility>

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
    // Each carried file and the picture it fills.
    const std::array<std::pair<const char*, Picture*>, 12> files = {{
        {"scenery0.png", &artwork.scenery[0]},
        {"scenery1.png", &artwork.scenery[1]},
        {"scenery3.png", &artwork.scenery[2]},
        {"scenery6.png", &artwork.scenery[3]},
        {"worksheet-labels.png", &artwork.labels},
        {"enemies0.png", &artwork.enemies[0]},
        {"enemies1.png", &artwork.enemies[1]},
        {"enemies2.png", &artwork.enemies[2]},
        {"enemies3.png", &artwork.enemies[3]},
        {"enemymask.png", &artwork.enemyMask},
        {"masterpalette.png", &artwork.masterPalette},
        {"characters.png", &artwork.characters},
    }};
    // Decoding is most of the work before the window appears, so a second
    // thread decodes every other file; a failure on either thread is thrown here.
    auto decodeEveryOther = [&files](std::size_t first) {
        for (std::size_t i = first; i < files.size(); i += 2)
            *files[i].second = loadArtwork(files[i].first);
    };
    std::future<void> odd = std::async(std::launch::async, decodeEveryOther, std::size_t(1));
    try {
        decodeEveryOther(0);
    } catch (...) {
        odd.wait();
        throw;
    }
    odd.get();
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
