#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quorled {

// What the editor's command line asks for. Parsed before any window or
// display is touched, so --help and --version work without one.
struct EditorArguments {
    enum class Action { Open, Help, Version };
    Action action = Action::Open;
    std::string imagePath;   // empty: the program asks for it
    std::optional<int> area; // --area N: the area to open at
};

// Parses the words after the program name: [--area N] [IMAGE], --help or
// --version. Throws cli::UsageError for an unknown option, a second image
// or an area that is not 0..209.
EditorArguments parseEditorArguments(const std::vector<std::string>& words);

// The usage text --help prints and a usage error follows with.
std::string editorUsage();

} // namespace quorled
