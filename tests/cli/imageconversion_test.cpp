// The picture conversions of the assets library, which the render command
// and the editor's view use.
#include "assets/imageconversion.h"

#include <gtest/gtest.h>

namespace quorled {
namespace {

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

} // namespace
} // namespace quorled
