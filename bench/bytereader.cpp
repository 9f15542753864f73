#include "bytereader.h"

#include "romdata/imageerror.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quorled::bench {

ByteReader::ByteReader(const std::string& path) : fd_(::open(path.c_str(), O_RDONLY | O_CLOEXEC))
{
    struct stat info {};
    if (fd_ < 0 || ::fstat(fd_, &info) != 0)
        throw ImageError("Can't open " + path + ".");
    size_ = static_cast<long>(info.st_size);
}

ByteReader::~ByteReader()
{
    if (fd_ >= 0)
        ::close(fd_);
}

std::uint8_t ByteReader::read(long offset) const
{
    if (!contains(offset))
        return 0xFF;
    ++calls_;
    std::uint8_t byte = 0xFF;
    if (::pread(fd_, &byte, 1, offset) != 1)
        throw ImageError("Can't read byte " + std::to_string(offset) + ".");
    return byte;
}

} // namespace quorled::bench
