#pragma once

#include <string>

namespace quorled {

// The original image the last patch was exported against, kept in the
// settings file ("Options"/"PatchOriginal") and proposed next time.
std::string lastPatchOriginal(const std::string& settingsPath);

// Keeps `path`. Throws ImageError when the settings file can't hold it (a
// name over one line or too long) or the write fails; the file is then as
// it was.
void rememberPatchOriginal(const std::string& settingsPath, const std::string& path);

} // namespace quorled
