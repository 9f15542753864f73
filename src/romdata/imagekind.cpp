#include "imagekind.h"

#include "imageerror.h"
#include "romlayout.h"

#include <algorithm>
#include <cctype>

namespace quorled {

ImageKind imageKindFromFileName(const std::string& fileName)
{
    std::string tail = fileName.size() > 4 ? fileName.substr(fileName.size() - 4) : fileName;
    std::transform(tail.begin(), tail.end(), tail.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (tail == ".smc" || tail == ".sfc" || tail == ".fig")
        return ImageKind::Snes;
    if (tail == ".fds")
        return ImageKind::Fds;
    return ImageKind::Ines;
}

const char* imageKindName(ImageKind kind)
{
    switch (kind) {
    case ImageKind::Snes: return "snes";
    case ImageKind::Fds: return "fds";
    case ImageKind::Ines: break;
    }
    return "ines";
}

ImageKind imageKindFromName(const std::string& name)
{
    if (name == "ines") return ImageKind::Ines;
    if (name == "snes") return ImageKind::Snes;
    if (name == "fds") return ImageKind::Fds;
    throw ImageError("unknown image kind \"" + name + "\" (use ines, snes or fds)");
}

long minimumImageLength(ImageKind kind)
{
    const RomLayout& layout = romLayout(kind);
    long needed = layout.levelsPerWorld + 8;
    if (layout.hasPointerTables) {
        needed = std::max(needed, layout.levelPointerHigh + 210L);
        needed = std::max(needed, layout.enemyPointerLow + 20L * 20 + 10);
    }
    return needed;
}

} // namespace quorled
