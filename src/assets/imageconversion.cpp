#include "imageconversion.h"

#include "romdata/filestore.h"
#include "romdata/imageerror.h"

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
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = 0xFF000000u | picture.pixel(x / zoom, y / zoom);
    }
    return image;
}

void savePng(const Picture& picture, const std::string& path, int zoom)
{
    if (zoom < 1 || zoom > 16)
        throw ImageError("The zoom for " + path + " must be between 1 and 16, not " + std::to_string(zoom) + ".");
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!imageFromPicture(picture, zoom).save(&buffer, "PNG"))
        throw ImageError("The picture for " + path + " could not be encoded as PNG.");
    writeWholeFile(path, std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
}

} // namespace quorled::assets
