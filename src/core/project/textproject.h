#pragma once

#include "romdata/areadirectory.h"
#include "romdata/imagekind.h"
#include "romdata/romimage.h"

#include <map>
#include <string>
#include <vector>

namespace quorled {

// The files of a text project by their path inside the project folder
// ("quorled-project.txt", "areas/0A.txt", "tables/lives.txt"), with their
// text. Never any of the image's bytes as such: hacks are shared without
// the game.
using ProjectFiles = std::map<std::string, std::string>;

inline constexpr const char* kProjectFileName = "quorled-project.txt";
inline constexpr int kProjectFormatVersion = 1;

// An image as the text project reads it: with a disk image, the directory
// comes from a reference image.
struct ProjectImage {
    const RomImage& image;
    ImageKind kind;
    const AreaDirectory& directory;
};

// What the project file says about the image the project came from.
struct ProjectOrigin {
    ImageKind kind = ImageKind::Ines;
    long size = 0;
    std::string sha256;
};

// The project of an image: the project file, one text per area and one per
// game-wide table. The same image always gives the same files.
ProjectFiles unpackImage(const ProjectImage& source);

// Every path a project of this image holds, project file first.
std::vector<std::string> projectPaths(const ProjectImage& source);

ProjectOrigin readProjectOrigin(const std::string& text);

// The image the project describes, built on `base`: areas and tables whose
// text equals what the base holds keep their bytes exactly; changed areas
// are saved with the save rules (an iNES image moves data that outgrew its
// room to free space first), changed table rows are written with their
// dialogs' rules. `log` gets one line per change. Throws ImageError (with
// the file, line and column for a fault in the text) for a project of
// another image, a missing file, bad text or a refused save; nothing of
// the result exists then.
struct PackResult {
    std::vector<std::uint8_t> bytes;
    std::vector<std::string> log;
};
PackResult packProject(const ProjectFiles& files, const ProjectImage& base);

} // namespace quorled
