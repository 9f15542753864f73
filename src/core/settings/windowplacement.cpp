#include "core/settings/windowplacement.h"

#include "core/settings/editorsettings.h"
#include "core/settings/settingsfile.h"

#include "romdata/imageerror.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>

namespace quorled {

namespace {

constexpr const char* kDockPieces = "DockParts";
constexpr const char* kDockVersionKey = "DockVersion";
constexpr const char* kDockCheckKey = "DockCheck";
constexpr std::size_t kMostPieces = 64;

std::optional<int> readNumber(const SettingsFile& file, const char* key, int lowest, int highest)
{
    const std::optional<std::string> text = file.value(WindowPlacement::kSection, key);
    if (!text || text->empty())
        return std::nullopt;
    const double value = leadingNumericValue(*text);
    if (!(value >= lowest && value <= highest))
        return std::nullopt;
    return static_cast<int>(std::lround(value));
}

std::string pieceKey(std::size_t i) { return "Docks" + std::to_string(i + 1); }

} // namespace

std::optional<WindowPlacement> WindowPlacement::read(const SettingsFile& file)
{
    const auto x = readNumber(file, "X", -kLargest, kLargest);
    const auto y = readNumber(file, "Y", -kLargest, kLargest);
    const auto width = readNumber(file, "Width", kSmallest, kLargest);
    const auto height = readNumber(file, "Height", kSmallest, kLargest);
    const auto maximized = readNumber(file, "Maximized", -1, 1);
    if (!x || !y || !width || !height || !maximized)
        return std::nullopt;
    WindowPlacement placement{*x, *y, *width, *height, *maximized != 0, {}, false};
    const auto pieces = readNumber(file, kDockPieces, 0, static_cast<int>(kMostPieces));
    for (std::size_t i = 0; pieces && i < static_cast<std::size_t>(*pieces); ++i) {
        const std::optional<std::string> piece = file.value(kSection, pieceKey(i));
        if (!piece) {
            placement.dockLayout.clear();
            placement.dockLayoutRefused = true;
            break;
        }
        placement.dockLayout += *piece;
    }
    if (!placement.dockLayout.empty() &&
        (readNumber(file, kDockVersionKey, 0, kLargest) != WindowPlacement::kDockVersion ||
         file.read(kSection, kDockCheckKey) != dockLayoutCheck(placement.dockLayout))) {
        placement.dockLayout.clear();
        placement.dockLayoutRefused = true;
    }
    return placement;
}

void WindowPlacement::write(SettingsFile& file) const
{
    file.write(kSection, "X", settingsNumberText(x));
    file.write(kSection, "Y", settingsNumberText(y));
    file.write(kSection, "Width", settingsNumberText(width));
    file.write(kSection, "Height", settingsNumberText(height));
    file.write(kSection, "Maximized", settingsBoolText(maximized));
    const std::size_t pieces = std::min(kMostPieces, (dockLayout.size() + kPiece - 1) / kPiece);
    file.write(kSection, kDockPieces, settingsNumberText(static_cast<long>(pieces)));
    for (std::size_t i = 0; i < pieces; ++i)
        file.write(kSection, pieceKey(i), dockLayout.substr(i * kPiece, kPiece));
    file.write(kSection, kDockVersionKey, settingsNumberText(WindowPlacement::kDockVersion));
    file.write(kSection, kDockCheckKey, dockLayoutCheck(dockLayout.substr(0, pieces * kPiece)));
}

std::string dockLayoutCheck(const std::string& layout)
{
    // 64-bit FNV-1a: any changed, added or removed character changes it.
    std::uint64_t hash = 0xCBF29CE484222325u;
    for (const char c : layout) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 0x100000001B3u;
    }
    static const char digits[] = "0123456789ABCDEF";
    std::string text(16, '0');
    for (int i = 15; i >= 0; --i, hash >>= 4)
        text[static_cast<std::size_t>(i)] = digits[hash & 15];
    return text;
}

PixelRect clampedToArea(PixelRect rect, PixelRect area)
{
    rect.width = std::clamp(rect.width, 1, std::max(1, area.width));
    rect.height = std::clamp(rect.height, 1, std::max(1, area.height));
    rect.x = std::clamp(rect.x, area.x, area.x + std::max(0, area.width - rect.width));
    rect.y = std::clamp(rect.y, area.y, area.y + std::max(0, area.height - rect.height));
    return rect;
}

std::optional<std::string> WindowPlacement::store(const std::string& settingsPath) const
{
    if (settingsPath.empty())
        return std::string("There is no folder for the settings file.");
    SettingsFile file = SettingsFile::load(settingsPath);
    write(file);
    try {
        std::error_code ignored;
        std::filesystem::create_directories(std::filesystem::path(settingsPath).parent_path(), ignored);
        file.save(settingsPath);
    } catch (const ImageError& error) {
        return std::string(error.what());
    }
    return std::nullopt;
}

PixelSize fittedWindowSize(PixelSize window, PixelSize viewport, PixelSize content, PixelSize available)
{
    return {std::min(window.width + content.width - viewport.width, available.width),
            std::min(window.height + content.height - viewport.height, available.height)};
}

} // namespace quorled
