#include "imageconversion.h"

#include "romdata/filestore.h"
#include "romdata/imageerror.h"
#include "romdata/shownname.h"

#include <QBuffer>
#include <QByteArray>

namespace quorled::assets {

Picture pictureFromImage(const QImage& image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    Picture picture(rgb.width(), rgb.height());
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            picture.setPixel(x, y, line[x] & 0xFFFFFFu);
    }
    return picture;
}

QImage imageFromPicture(const Picture& picture, int zoom)
{
    zoom = std::max(zoom, 1);
    QImage image(picture.width() * zoom, picture.height() * zoom, QImage::Format_RGB32);
    // Straight from the pixel rows: this runs on every redraw of the view.
    const int width = image.width();
    const int height = image.height();
    const std::uint32_t* pixels = picture.pixels().data();
    for (int y = 0; y < height; ++y) {
        const std::uint32_t* row = pixels + static_cast<std::ptrdiff_t>(y / zoom) * picture.width();
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        if (zoom == 1) {
            for (int x = 0; x < width; ++x)
                line[x] = 0xFF000000u | row[x];
        } else {
            for (int x = 0; x < width; ++x)
                line[x] = 0xFF000000u | row[x / zoom];
        }
    }
    return image;
}

void savePng(const Picture& picture, const std::string& path, int zoom)
{
    if (zoom < 1 || zoom > 16)
        throw ImageError("The zoom for " + shownName(path) + " must be between 1 and 16, not " + std::to_string(zoom) + ".");
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!imageFromPicture(picture, zoom).save(&buffer, "PNG"))
        throw ImageError("The picture for " + shownName(path) + " could not be encoded as PNG.");
    writeWholeFile(path, std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
}

} // namespace quorled::assets
