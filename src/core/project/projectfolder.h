#pragma once

#include "core/project/textproject.h"

#include <string>
#include <vector>

namespace quorled {

// Writes the project's files into `folder`, which must not exist, be empty
// or hold a text project already (its project file): unpacking an image
// again over a project under version control changes only the files whose
// text changed. A file the project has is replaced atomically (it may hold
// edits); a new file is created exclusively. A link planted in the
// project's place is refused, never followed. Returns the paths written.
// Throws ImageError naming the file and the reason.
std::vector<std::string> writeProjectFolder(const std::string& folder, const ProjectFiles& files);

// Reads the named files of a project folder (as `projectPaths` lists
// them). Throws ImageError naming a missing or unreadable file.
ProjectFiles readProjectFolder(const std::string& folder, const std::vector<std::string>& paths);

// Whether the path is a project folder (a folder holding a project file).
bool isProjectFolder(const std::string& path);

} // namespace quorled
