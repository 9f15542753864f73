#pragma once

#include <cstdint>

namespace quorled {

// What an editor action changed, so the window repaints only that.
enum class Change : std::uint32_t {
    Picture = 1,     // viewPicture() was redrawn
    Readouts = 2,    // the eight read-out texts
    Caption = 4,     // the window caption
    HeaderBits = 8,  // the 32 bit boxes and the `Bits` text
    Checks = 16,     // check marks of pnt, spno, backup and sv(0..6)
    EditMode = 32,   // which `bg` marker is visible
    Commands = 64,   // which menu commands are enabled
    Message = 128,   // an action failed; message() tells why
    Notice = 256,    // a command asks for a message box; notice() holds it
    Status = 512,    // the status bar text and whether the area fits its room
};

// A set of changes, one bit per Change.
class ChangeSet {
public:
    constexpr ChangeSet() = default;
    constexpr ChangeSet(Change c) : bits_(static_cast<std::uint32_t>(c)) {}
    constexpr bool has(Change c) const { return (bits_ & static_cast<std::uint32_t>(c)) != 0; }
    constexpr bool empty() const { return bits_ == 0; }
    constexpr ChangeSet& operator|=(ChangeSet other)
    {
        bits_ |= other.bits_;
        return *this;
    }
    constexpr friend ChangeSet operator|(ChangeSet a, ChangeSet b) { return a |= b; }
    constexpr bool operator==(const ChangeSet&) const = default;
    constexpr std::uint32_t bits() const { return bits_; }

private:
    std::uint32_t bits_ = 0;
};

constexpr ChangeSet operator|(Change a, Change b) { return ChangeSet(a) | ChangeSet(b); }

} // namespace quorled
