#pragma once

#include <string>

namespace quorled {

// A JSON string literal with the necessary escapes.
std::string jsonString(const std::string& text);

} // namespace quorled
