#pragma once

#include "patch/ips.h"

#include <string>

namespace quorled::test {

inline PatchBytes bytesOf(const std::string& text) { return PatchBytes(text.begin(), text.end()); }

} // namespace quorled::test

namespace quorled {

inline PatchBytes operator+(PatchBytes a, const PatchBytes& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

} // namespace quorled
