#pragma once

#include "imagekind.h"

#include <cstdint>
#include <string>
#include <vector>

namespace quorled {

// One operation on an image file: open reads the whole file once, reads and
// writes work on that copy, and commit puts the changed file in place before
// the operation returns. Nothing is cached between operations, so every
// operation sees the effects of the ones before it.
class RomImage {
public:
    // Reads the file. Throws ImageError naming the file and the reason when it
    // is missing, a folder, unreadable or empty.
    static RomImage open(const std::string& path);
    // Like open, refusing a file longer than maximumLength bytes.
    static RomImage open(const std::string& path, long maximumLength);
    // Like open, and refuses a file too short for the tables of its kind.
    static RomImage openChecked(const std::string& path, ImageKind kind);
    // An image held in memory only (tests, the demo builder).
    static RomImage fromBytes(std::vector<std::uint8_t> bytes, std::string path = {});
    // A copy of an image that keeps its name for messages but is never
    // written: commit refuses, so whoever holds the copy decides where its
    // bytes go.
    static RomImage inMemoryCopy(const RomImage& image);
    // Whether commit writes a file: the image has one and is no in-memory copy.
    bool hasFile() const { return !path_.empty() && !inMemory_; }

    const std::string& path() const { return path_; }
    long size() const { return static_cast<long>(bytes_.size()); }
    bool contains(long offset) const { return offset >= 0 && offset < size(); }

    // Bytes at or past the end of the file (and before its start) read as
    // 0xFF, so that any decoding runs into an end marker there.
    std::uint8_t read(long offset) const
    {
        return contains(offset) ? bytes_[static_cast<std::size_t>(offset)] : 0xFF;
    }

    // Stores the low eight bits of value. Throws ImageError for an offset
    // outside the file: the editor never grows an image.
    void write(long offset, int value);
    // Stores `block` from `offset` on, as one write per byte would. Throws
    // ImageError, writing nothing, when the block does not lie in the file.
    void writeBlock(long offset, const std::vector<std::uint8_t>& block);

    bool modified() const { return modified_; }
    // Writes the changed file in place (whole file, then rename). Does nothing
    // when nothing was written. Throws ImageError on failure; the file on disk
    // is then as it was.
    void commit();
    // The file already holds these bytes (its writer compared them): there
    // is nothing left to write.
    void markWritten() { modified_ = false; }

    const std::vector<std::uint8_t>& bytes() const { return bytes_; }

private:
    std::string path_;
    std::vector<std::uint8_t> bytes_;
    bool modified_ = false;
    bool inMemory_ = false;
};

} // namespace quorled
