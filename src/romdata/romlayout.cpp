#include "romlayout.h"

namespace quorled {

namespace {

constexpr RomLayout kInes{0x1E022, true, 0x10025, 0x100F7, 0x12564, 0x1256E, 0x8010, 0x40010};
constexpr RomLayout kSnes{0x8CBB4, true, 0x8D2AD, 0x8D37F, 0x8F70F, 0x8F719, 0x80200, 0x2001FF};
constexpr RomLayout kFds{0x1B1E, false, 0, 0, 0, 0, 0, 0x40010};

} // namespace

const RomLayout& romLayout(ImageKind kind)
{
    switch (kind) {
    case ImageKind::Snes: return kSnes;
    case ImageKind::Fds: return kFds;
    case ImageKind::Ines: break;
    }
    return kInes;
}

} // namespace quorled
