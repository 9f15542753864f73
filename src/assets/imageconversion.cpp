#include "imageconversion.h"

#include "romdata/filestore.h"
#include "romdata/imageerror.h"
#include "romdata/shownname.h"

#include <QBuffer>
#include <QByteArray>

#include <algorithm>
#include <cstring>
#include <optional>
#include <unordered_map>

namespace quorled::assets {

Picture pictureFromImage(const QImage& image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    Picture picture(rgb.width(), rgb.height());
    // Row by row into the pixel store: every carried picture passes here at start-up.
    std::uint32_t* pixels = picture.pixels().data();
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        std::uint32_t* row = pixels + static_cast<std::ptrdiff_t>(y) * picture.width();
        for (int x = 0; x < rgb.width(); ++x)
            row[x] = line[x] & 0xFFFFFFu;
    }
    return picture;
}

QImage imageFromPicture(const Picture& picture, int zoom)
{
    zoom = std::max(zoom, 1);
    QImage image(picture.width() * zoom, picture.height() * zoom, QImage::Format_RGB32);
    // Straight from the pixel rows: this runs on every redraw of the view.
    // Each row of the picture is widened once and copied to the other
    // lines it covers.
    const int width = image.width();
    const std::uint32_t* pixels = picture.pixels().data();
    for (int y = 0; y < picture.height(); ++y) {
        const std::uint32_t* row = pixels + static_cast<std::ptrdiff_t>(y) * picture.width();
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y * zoom));
        for (int x = 0, out = 0; x < picture.width(); ++x) {
            const QRgb colour = 0xFF000000u | row[x];
            for (int i = 0; i < zoom; ++i)
                line[out++] = colour;
        }
        for (int i = 1; i < zoom; ++i)
            std::memcpy(image.scanLine(y * zoom + i), line, static_cast<std::size_t>(width) * sizeof(QRgb));
    }
    return image;
}

QImage pngImageFromPicture(const Picture& picture, int zoom)
{
    zoom = std::max(zoom, 1);
    if (picture.width() == 0 || picture.height() == 0)
        return imageFromPicture(picture, zoom);
    // The colours in order of first use, at most 256 of them.
    std::unordered_map<std::uint32_t, std::uint8_t> index;
    QList<QRgb> table;
    // Neighbours mostly share a colour: only a change is looked up.
    std::optional<std::uint32_t> last;
    for (const std::uint32_t pixel : picture.pixels()) {
        if (pixel == last || index.contains(pixel)) {
            last = pixel;
            continue;
        }
        last = pixel;
        if (table.size() == 256)
            return imageFromPicture(picture, zoom);
        index.emplace(pixel, static_cast<std::uint8_t>(table.size()));
        table.push_back(0xFF000000u | pixel);
    }
    QImage image(picture.width() * zoom, picture.height() * zoom, QImage::Format_Indexed8);
    image.setColorTable(table);
    const std::uint32_t* pixels = picture.pixels().data();
    for (int y = 0; y < picture.height(); ++y) {
        const std::uint32_t* row = pixels + static_cast<std::ptrdiff_t>(y) * picture.width();
        uchar* line = image.scanLine(y * zoom);
        std::uint32_t was = row[0];
        std::uint8_t colour = index.find(was)->second;
        for (int x = 0, out = 0; x < picture.width(); ++x) {
            if (row[x] != was) {
                was = row[x];
                colour = index.find(was)->second;
            }
            for (int i = 0; i < zoom; ++i)
                line[out++] = colour;
        }
        for (int i = 1; i < zoom; ++i)
            std::memcpy(image.scanLine(y * zoom + i), line, static_cast<std::size_t>(image.width()));
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
    if (!pngImageFromPicture(picture, zoom).save(&buffer, "PNG"))
        throw ImageError("The picture for " + shownName(path) + " could not be encoded as PNG.");
    writeWholeFile(path, std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
}

} // namespace quorled::assets
