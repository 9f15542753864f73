#pragma once

#include "view/picture.h"

#include <QImage>

#include <string>

namespace quorled::assets {

// A QImage as a plain picture of 0x00RRGGBB pixels (alpha dropped).
Picture pictureFromImage(const QImage& image);
// A picture as an RGB32 QImage, each pixel repeated zoom x zoom times.
QImage imageFromPicture(const Picture& picture, int zoom = 1);

// The image savePng writes: with at most 256 colours an 8-bit image with a
// colour table (a quarter of the bytes for the PNG encoder to filter and
// compress, which is where the time of a large picture goes), else RGB32.
// Its pixels are those of imageFromPicture.
QImage pngImageFromPicture(const Picture& picture, int zoom = 1);

// Writes a picture as a PNG file, enlarged by `zoom` (1..16). The file is
// replaced in one step. Throws ImageError naming the file on failure.
void savePng(const Picture& picture, const std::string& path, int zoom = 1);

} // namespace quorled::assets
