#include "romimage.h"

#include "bytes.h"
#include "filestore.h"
#include "imageerror.h"
#include "imagewriteguard.h"
#include "shownname.h"

#include <algorithm>
#include <utility>

namespace quorled {

RomImage RomImage::open(const std::string& path) { return open(path, maximumImageLength()); }

RomImage RomImage::open(const std::string& path, long maximumLength)
{
    RomImage image;
    image.path_ = path;
    image.bytes_ = readWholeFile(path, {static_cast<std::size_t>(maximumLength), "an image of the game"});
    if (image.bytes_.empty())
        throw ImageError("The image " + shownName(path) + " is empty.");
    return image;
}

RomImage RomImage::openChecked(const std::string& path, ImageKind kind)
{
    RomImage image = open(path, maximumImageLength(kind));
    const long needed = minimumImageLength(kind);
    if (image.size() < needed)
        throw ImageError("The image " + shownName(path) + " is too short: it has " + std::to_string(image.size()) +
                         " bytes, and an image of this kind needs at least " + std::to_string(needed) +
                         " bytes.");
    return image;
}

RomImage RomImage::fromBytes(std::vector<std::uint8_t> bytes, std::string path)
{
    RomImage image;
    image.path_ = std::move(path);
    image.bytes_ = std::move(bytes);
    return image;
}

RomImage RomImage::inMemoryCopy(const RomImage& image)
{
    RomImage copy = fromBytes(image.bytes_, image.path_);
    copy.inMemory_ = true;
    return copy;
}

void RomImage::write(long offset, int value)
{
    if (!contains(offset))
        throw ImageError("A write to " + hexAddress(offset) + " lies outside the image " + shownName(path_) + " (" +
                         std::to_string(size()) + " bytes).");
    bytes_[static_cast<std::size_t>(offset)] = static_cast<std::uint8_t>(value & 0xFF);
    modified_ = true;
}

void RomImage::writeBlock(long offset, const std::vector<std::uint8_t>& block)
{
    if (block.empty())
        return;
    const long last = offset + static_cast<long>(block.size()) - 1;
    if (!contains(offset) || !contains(last))
        throw ImageError("A write to " + hexAddress(offset) + ".." + hexAddress(last) + " lies outside the image " +
                         shownName(path_) + " (" + std::to_string(size()) + " bytes).");
    std::copy(block.begin(), block.end(), bytes_.begin() + offset);
    modified_ = true;
}

void RomImage::commit()
{
    if (!modified_)
        return;
    if (!hasFile())
        throw ImageError("This image has no file to write to.");
    ImageWriteGuard::checkWritable(path_);
    writeWholeFile(path_, bytes_);
    modified_ = false;
}

} // namespace quorled
