#pragma once

#include <cstdint>
#include <string>

namespace quorled::bench {

// Reads an image file one byte per call, each byte by its own pread(2) at
// its offset: the byte-per-call baseline. Same reading rules as RomImage
// (0xFF outside the file).
class ByteReader {
public:
    explicit ByteReader(const std::string& path);
    ~ByteReader();
    ByteReader(const ByteReader&) = delete;
    ByteReader& operator=(const ByteReader&) = delete;

    long size() const { return size_; }
    bool contains(long offset) const { return offset >= 0 && offset < size_; }
    std::uint8_t read(long offset) const;
    // How many reads went to the file so far.
    long calls() const { return calls_; }

private:
    int fd_ = -1;
    long size_ = 0;
    mutable long calls_ = 0;
};

} // namespace quorled::bench
