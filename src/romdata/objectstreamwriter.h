#pragma once

#include "areamodel.h"
#include "levelformat.h"

#include <cstdint>
#include <vector>

namespace quorled {

// Appends the stream bytes of objects in stream form, one by one, as
// encodeLevelData writes them (it keeps the running row between them).
class ObjectStreamWriter {
public:
    explicit ObjectStreamWriter(std::vector<std::uint8_t>& out) : out_(out) {}
    void add(const LevelObject& object)
    {
        if (!object.special) {
            out_.push_back(static_cast<std::uint8_t>(((object.y - row_) & 15) * 16 + (object.x & 15)));
            out_.push_back(static_cast<std::uint8_t>(object.type & 0xFF));
            row_ = object.y;
            return;
        }
        const int kind = object.kind();
        const int extra = specialObjExtraBytes[static_cast<std::size_t>(kind)];
        out_.push_back(static_cast<std::uint8_t>(0xF0 + kind));
        if (extra >= 1)
            out_.push_back(static_cast<std::uint8_t>(object.param[0] & 0xFF));
        if (extra == 2)
            out_.push_back(static_cast<std::uint8_t>(object.param[1] & 0xFF));
        row_ = rowAfterSkip(row_, kind);
        if (kind == kKindNextLayer)
            row_ = 0;
    }

private:
    std::vector<std::uint8_t>& out_;
    int row_ = 0;
};

} // namespace quorled
