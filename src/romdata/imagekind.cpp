#include "imagekind.h"

#include "imageerror.h"
#include "romlayout.h"
#include "shownname.h"

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

bool hasImageSignature(const std::vector<std::uint8_t>& bytes, ImageKind kind)
{
    if (kind != ImageKind::Ines)
        return true;
    return bytes.size() >= 4 && bytes[0] == 'N' && bytes[1] == 'E' && bytes[2] == 'S' && bytes[3] == 0x1A;
}

std::optional<std::string> foreignImageProblem(const std::string& path, const std::vector<std::uint8_t>& bytes,
                                               ImageKind kind)
{
    if (hasImageSignature(bytes, kind))
        return std::nullopt;
    return "The file " + shownName(path) + " does not start with \"NES\" and the byte 1A as an iNES image does, "
           "so it is probably no image of the game.";
}

long maximumImageLength(ImageKind kind)
{
    switch (kind) {
    case ImageKind::Snes: return 8L << 20; // compilations of 4 MiB and a 512-byte copier header
    case ImageKind::Fds: return 1L << 20;  // four disk sides of 65,500 bytes
    case ImageKind::Ines: break;
    }
    return 1L << 20; // the game's image has 262,160 bytes
}

long maximumImageLength() { return maximumImageLength(ImageKind::Snes); }

} // namespace quorled
