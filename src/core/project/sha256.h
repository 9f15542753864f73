#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quorled {

// The SHA-256 digest of the bytes as 64 lower-case hexadecimal digits.
std::string sha256Hex(const std::vector<std::uint8_t>& bytes);

} // namespace quorled
