#pragma once

#include "core/session/editorcore.h"

#include <QImage>
#include <QPixmap>

namespace quorled {

// The pictures the program carries, as the editor core takes them, decoded
// on first use. Throws ImageError when one is missing from the program.
GraphicsSources carriedPictures();

// The character picture of the character dialog.
QImage characterPicture();

// The title picture of the splash window.
QPixmap splashPicture();

} // namespace quorled
