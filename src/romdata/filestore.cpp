#include "filestore.h"

#include "filefaults.h"
#include "imageerror.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quorled {

namespace {

std::string reason(int error) { return std::strerror(error); }

// write(2), with the faults a test may have injected.
ssize_t writeSome(int fd, const std::uint8_t* data, std::size_t size, int& calls)
{
    const FileFaults& faults = activeFileFaults();
    ++calls;
    if (faults.diskFull) {
        errno = ENOSPC;
        return -1;
    }
    if (faults.failWriteNumber == calls) {
        errno = EIO;
        return -1;
    }
    // Small pieces while faults are planned, so that "the N-th write" means something.
    const std::size_t piece = faults.failWriteNumber > 0 ? std::min<std::size_t>(size, 4096) : size;
    return ::write(fd, data, piece);
}

int renameFile(const char* from, const char* to)
{
    if (activeFileFaults().failRename) {
        errno = EACCES;
        return -1;
    }
    return ::rename(from, to);
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }
    int release()
    {
        int fd = fd_;
        fd_ = -1;
        return fd;
    }

private:
    int fd_;
};

} // namespace

std::vector<std::uint8_t> readWholeFile(const std::string& path)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        throw ImageError("Can't open " + path + ": " + reason(errno) + ".");
    if (S_ISDIR(info.st_mode))
        throw ImageError("Can't open " + path + ": it is a folder, not a file.");
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.get() < 0)
        throw ImageError("Can't open " + path + ": " + reason(errno) + ".");
    // Read straight into a buffer of the file's size, one byte more so the
    // end shows without growing it; files whose size is not known up front
    // (or that grow meanwhile) double it as needed.
    const std::size_t expected = S_ISREG(info.st_mode) ? static_cast<std::size_t>(info.st_size) : 0;
    std::vector<std::uint8_t> bytes(std::max<std::size_t>(expected + 1, 4096));
    std::size_t done = 0;
    for (;;) {
        if (done == bytes.size())
            bytes.resize(2 * bytes.size());
        ssize_t got = ::read(file.get(), bytes.data() + done, bytes.size() - done);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            throw ImageError("Can't read " + path + ": " + reason(errno) + ".");
        }
        if (got == 0)
            break;
        done += static_cast<std::size_t>(got);
    }
    bytes.resize(done);
    return bytes;
}

bool isReadOnlyFile(const std::string& path)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || S_ISDIR(info.st_mode))
        return false;
    // A file without write permission is read-only for everyone, root too.
    return ::access(path.c_str(), W_OK) != 0 || (info.st_mode & 0222) == 0;
}

void writeWholeFile(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    struct stat info {};
    mode_t mode = 0644;
    if (::stat(path.c_str(), &info) == 0) {
        if (S_ISDIR(info.st_mode))
            throw ImageError("Can't write " + path + ": it is a folder, not a file.");
        mode = info.st_mode & 07777;
        if (isReadOnlyFile(path))
            throw ImageError("The image " + path + " is read-only.");
    }
    std::string temporary = path + ".quorled-new";
    FileDescriptor file(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600));
    if (file.get() < 0)
        throw ImageError("Can't write " + path + ": " + reason(errno) + ".");
    auto fail = [&](const std::string& what) {
        int error = errno;
        ::close(file.release());
        ::unlink(temporary.c_str());
        throw ImageError("Can't write " + path + ": " + what + reason(error) + ".");
    };
    std::size_t done = 0;
    int calls = 0;
    while (done < bytes.size()) {
        ssize_t put = writeSome(file.get(), bytes.data() + done, bytes.size() - done, calls);
        if (put < 0) {
            if (errno == EINTR)
                continue;
            fail("");
        }
        done += static_cast<std::size_t>(put);
    }
    if (::fchmod(file.get(), mode) != 0)
        fail("");
    if (::fsync(file.get()) != 0)
        fail("");
    if (::close(file.release()) != 0) {
        int error = errno;
        ::unlink(temporary.c_str());
        throw ImageError("Can't write " + path + ": " + reason(error) + ".");
    }
    if (renameFile(temporary.c_str(), path.c_str()) != 0) {
        int error = errno;
        ::unlink(temporary.c_str());
        throw ImageError("Can't write " + path + ": " + reason(error) + ".");
    }
}

} // namespace quorled
