#pragma once

#include <string>

namespace quorled {

// The three kinds of image the editor knows. They differ in where the tables
// lie; the kind is decided once from the file name.
enum class ImageKind { Ines, Snes, Fds };

// ".smc", ".sfc" and ".fig" (any letter case) are SNES compilation images,
// ".fds" disk images, anything else iNES images.
ImageKind imageKindFromFileName(const std::string& fileName);

// "ines", "snes" or "fds", as the command line and JSON write it.
const char* imageKindName(ImageKind kind);
// The inverse of imageKindName; throws ImageError for an unknown name.
ImageKind imageKindFromName(const std::string& name);

// The shortest file of the kind that holds every fixed table the editor
// reads on each area load.
long minimumImageLength(ImageKind kind);

} // namespace quorled
