#pragma once

#include <string>
#include <vector>

namespace quorled {

// Texts of the About box and the splash window.
std::string editorVersionText(); // "Version 0.1"
std::vector<std::string> verticalKeyHelp();
std::vector<std::string> horizontalKeyHelp();
std::vector<std::string> keyHelp();

} // namespace quorled
