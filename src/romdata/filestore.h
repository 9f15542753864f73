#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quorled {

// Reads a whole file. Throws ImageError naming the file and the reason.
std::vector<std::uint8_t> readWholeFile(const std::string& path);

// Whether an existing file is read-only for this program: it cannot be
// written, or nobody has write permission on it (which holds for root too,
// who could write it anyway).
bool isReadOnlyFile(const std::string& path);

// Replaces a file by new contents so that an interruption leaves either the
// old file or the new one: the bytes go to a temporary file in the same
// folder, are flushed to disk, take over the old file's permissions and are
// renamed into place. Throws ImageError naming the file and the reason; the
// old file is then untouched.
void writeWholeFile(const std::string& path, const std::vector<std::uint8_t>& bytes);

} // namespace quorled
