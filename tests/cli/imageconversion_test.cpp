// The picture conversions of the assets library, which the render command
// and the editor's view use.
#include "assets/imageconversion.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace quorled {
namespace {

namespace fs = std::filesystem;

TEST(ImageConversion, EveryPixelLandsOpaqueAndZoomRepeatsIt)
{
    Picture picture(3, 2);
    const std::uint32_t colours[6] = {0x000000, 0xFFFFFF, 0x123456, 0xFF0000, 0x00FF00, 0x0000FF};
    for (int i = 0; i < 6; ++i)
        picture.setPixel(i % 3, i / 3, colours[i]);
    for (int zoom : {1, 3}) {
        const QImage image = assets::imageFromPicture(picture, zoom);
        ASSERT_EQ(image.width(), 3 * zoom);
        ASSERT_EQ(image.height(), 2 * zoom);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                EXPECT_EQ(image.pixel(x, y), 0xFF000000u | colours[x / zoom + 3 * (y / zoom)])
                    << "zoom " << zoom << " at " << x << "," << y;
    }
    EXPECT_EQ(assets::pictureFromImage(assets::imageFromPicture(picture)).pixels(), picture.pixels());
    EXPECT_TRUE(assets::imageFromPicture(Picture()).isNull() || assets::imageFromPicture(Picture()).width() == 0);
}

TEST(ImageConversion, PngImagesHoldThePicturesPixelsInEitherForm)
{
    // Up to 256 colours give an 8-bit image with a colour table, more give
    // RGB32; the pixels are those of imageFromPicture, and so is a PNG file
    // read back.
    const auto picture = [](int colours) {
        Picture p(80, 9); // pairs of pixels share a colour
        for (int i = 0; i < 80 * 9; ++i)
            p.setPixel(i % 80, i / 80, static_cast<std::uint32_t>((i / 2) % colours) * 0x000101u);
        return p;
    };
    const fs::path dir = fs::temp_directory_path() / "quorled-png-forms";
    fs::create_directories(dir);
    const struct {
        int colours;
        QImage::Format format;
    } cases[] = {{1, QImage::Format_Indexed8}, {256, QImage::Format_Indexed8}, {180, QImage::Format_Indexed8},
                 {257, QImage::Format_RGB32}};
    for (const auto& c : cases) {
        const Picture p = picture(c.colours);
        for (int zoom : {1, 3}) {
            const QImage image = assets::pngImageFromPicture(p, zoom);
            EXPECT_EQ(image.format(), c.format) << c.colours;
            const QImage wanted = assets::imageFromPicture(p, zoom);
            EXPECT_EQ(image.convertToFormat(QImage::Format_RGB32), wanted) << c.colours << " colours, zoom " << zoom;
            const std::string path = (dir / "p.png").string();
            fs::remove(path);
            assets::savePng(p, path, zoom);
            EXPECT_EQ(QImage(QString::fromStdString(path)).convertToFormat(QImage::Format_RGB32), wanted)
                << c.colours << " colours, zoom " << zoom;
        }
    }
    EXPECT_EQ(assets::pngImageFromPicture(Picture(), 2).width(), 0);
    fs::remove_all(dir);
}

} // namespace
} // namespace quorled
