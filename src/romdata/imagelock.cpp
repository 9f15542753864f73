#include "imagelock.h"

#include "imageerror.h"
#include "shownname.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace quorled {

namespace {

bool sameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

} // namespace

ImageLock::ImageLock(const std::string& path, int waitMilliseconds)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMilliseconds);
    for (;;) {
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
        if (fd < 0)
            throw ImageError("Can't open " + shownName(path) + ": " + std::strerror(errno) + ".");
        struct stat held {};
        if (::fstat(fd, &held) != 0 || !S_ISREG(held.st_mode)) {
            ::close(fd);
            throw ImageError("Can't open " + shownName(path) + ": " +
                             (S_ISDIR(held.st_mode) ? "it is a folder, not a file." : "it is not a plain file."));
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            ::close(fd);
            if (error == ENOLCK || error == EINVAL || error == EOPNOTSUPP)
                return; // a file system without locks: the write goes on unlocked
            if (error != EWOULDBLOCK && error != EINTR)
                throw ImageError("Can't lock " + shownName(path) + ": " + std::strerror(error) + ".");
            if (std::chrono::steady_clock::now() >= deadline)
                throw ImageError("The image " + shownName(path) + " is being written by another program, so "
                                 "nothing was written. Try again when it has finished.");
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            continue;
        }
        // The other writer may have renamed a new file over the name while
        // this one waited: then the lock is on the old file, so take the new.
        struct stat named {};
        if (::stat(path.c_str(), &named) == 0 && sameFile(named, held)) {
            fd_ = fd;
            return;
        }
        ::close(fd);
        if (std::chrono::steady_clock::now() >= deadline)
            throw ImageError("The image " + shownName(path) + " is being written by another program, so "
                             "nothing was written. Try again when it has finished.");
    }
}

ImageLock::~ImageLock()
{
    if (fd_ >= 0)
        ::close(fd_);
}

ImageLock::ImageLock(ImageLock&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }

} // namespace quorled
