#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

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

// Whether a file's bytes start as images of the kind do: an iNES image
// with "NES" and the byte 1A. SNES compilation and disk images carry no
// such mark and always pass.
bool hasImageSignature(const std::vector<std::uint8_t>& bytes, ImageKind kind);
// For a file without that mark, the sentence that says so, naming the file.
std::optional<std::string> foreignImageProblem(const std::string& path, const std::vector<std::uint8_t>& bytes,
                                               ImageKind kind);

// The longest file of the kind the editor reads: the kind's largest image
// with room to spare for expanded or padded copies. Longer files are no
// image of the game and are not read.
long maximumImageLength(ImageKind kind);
// The longest of all kinds, for a file whose kind is not known.
long maximumImageLength();

} // namespace quorled
