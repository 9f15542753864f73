#pragma once

#include <cstdint>

namespace quorled::bench {

// Heap allocations made through operator new since the program started
// (this binary replaces the global operator new to count them).
std::uint64_t allocationCount();

} // namespace quorled::bench
