#pragma once

#include <array>
#include <string>

namespace quorled {

inline constexpr int kAreaCount = 210;
inline constexpr int lastAreaIndex = 209;

// The 210 area names: "1-1, beginning", "Jar 1, found in 1-2",
// "1-1, unused (4)" and so on.
const std::array<std::string, kAreaCount>& areaNames();

} // namespace quorled
