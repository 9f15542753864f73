#pragma once

#include "ips.h"

#include <optional>
#include <string>
#include <vector>

namespace quorled {

enum class PatchFormat { Ips, Bps };

// ".ips" or ".bps" in any letter case; nothing for another name.
std::optional<PatchFormat> patchFormatFromFileName(const std::string& fileName);

// The patch of the format that turns `original` into `edited`.
PatchBytes makePatch(PatchFormat format, const PatchBytes& original, const PatchBytes& edited);

// Applies an IPS or BPS patch, told apart by its first bytes. Throws
// PatchError for anything else and for every fault the readers find.
PatchBytes applyPatch(const PatchBytes& image, const PatchBytes& patch);

// Why the patch or patched image may not be written to `out`: it is one of
// `inputs` (by file identity, so links and other spellings count), or an
// existing thing that is no plain file. Nothing when it may.
std::optional<std::string> outputProblem(const std::string& out, const std::vector<std::string>& inputs);

// Reads two images of the game (a file too short for its kind, or without the
// iNES mark unless `force`, is refused),
// makes the patch of the format the patch's name asks for and writes it
// through the atomic file write. Returns the patch's size. Throws ImageError
// with a complete message; nothing is written then.
std::size_t writePatchFile(const std::string& originalPath, const std::string& editedPath,
                           const std::string& patchPath, bool force = false);

// Reads an image (as writePatchFile does) and a patch, applies it and writes the result to `outPath`
// (a new file, or one replaced as a whole). Returns the result's size.
// Throws ImageError with a complete message; nothing is written then.
std::size_t writePatchedImage(const std::string& imagePath, const std::string& patchPath,
                              const std::string& outPath, bool force = false);

} // namespace quorled
