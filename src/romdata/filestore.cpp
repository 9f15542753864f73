#include "filestore.h"

#include "filefaults.h"
#include "imageerror.h"
#include "shownname.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <random>
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

// What a file that is not a plain file is, for the message.
std::string notPlainFile(mode_t mode)
{
    if (S_ISDIR(mode))
        return "it is a folder, not a file";
    if (S_ISFIFO(mode))
        return "it is a FIFO (a pipe), not a plain file";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "it is a device, not a plain file";
    if (S_ISSOCK(mode))
        return "it is a socket, not a plain file";
    return "it is not a plain file";
}

std::string folderOf(const std::string& path)
{
    const std::string folder = std::filesystem::path(path).parent_path().string();
    return folder.empty() ? "." : folder;
}

std::string baseNameOf(const std::string& path) { return std::filesystem::path(path).filename().string(); }

// The file a write of `path` replaces: `path` itself, or for a symbolic
// link the file it leads to, which must exist.
std::string writeTarget(const std::string& path)
{
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
        return path;
    std::error_code error;
    const std::filesystem::path target = std::filesystem::canonical(path, error);
    if (error)
        throw ImageError("Can't write " + shownName(path) + ": it is a symbolic link to a file that does not "
                         "exist (" + error.message() + ").");
    return target.string();
}

// A new temporary file beside `target`, made exclusively (an existing name,
// a planted link included, is never opened) under a name nobody can guess.
FileDescriptor createTemporary(const std::string& target, std::string& temporary)
{
    std::random_device entropy;
    std::mt19937_64 random((static_cast<std::uint64_t>(entropy()) << 32) ^ entropy() ^
                           static_cast<std::uint64_t>(::getpid()));
    const std::string prefix = temporaryPrefix(target) + std::to_string(::getpid()) + "-";
    static const char letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = prefix;
        for (int i = 0; i < 10; ++i)
            name += letters[random() % (sizeof letters - 1)];
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd >= 0) {
            temporary = name;
            return FileDescriptor(fd);
        }
        if (errno != EEXIST)
            throw ImageError("Can't write " + shownName(target) + ": " + reason(errno) + ".");
    }
    throw ImageError("Can't write " + shownName(target) + ": no unused temporary name was found beside it.");
}

// Flushes the folder so that the rename itself survives a power cut.
// Folders that cannot be flushed (some file systems refuse) are let be.
void syncFolder(const std::string& folder, const std::string& target)
{
    FileDescriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() < 0)
        return;
    if (::fsync(dir.get()) != 0 && errno != EINVAL && errno != EROFS && errno != ENOTSUP)
        throw ImageError("The new " + shownName(target) + " is in place, but its folder could not be flushed "
                         "to disk: " + reason(errno) + ".");
}

// Removes the temporary files of earlier writes of `target` whose writer is
// no longer running (killed in the middle), and the fixed-name leftover of
// older versions. A temporary file of a writer still at work is kept.
void removeLeftovers(const std::string& folder, const std::string& target)
{
    const std::string base = baseNameOf(target);
    const std::string prefix = baseNameOf(temporaryPrefix(target));
    const std::string oldName = base + ".quorled-new";
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        bool stale = name == oldName;
        if (!stale && name.compare(0, prefix.size(), prefix) == 0) {
            const long pid = std::strtol(name.c_str() + prefix.size(), nullptr, 10);
            stale = pid > 0 && pid != ::getpid() && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
        }
        if (!stale)
            continue;
        const std::string path = folder + "/" + name;
        struct stat info {};
        if (::lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode))
            ::unlink(path.c_str());
    }
    ::closedir(dir);
}

} // namespace

std::vector<std::uint8_t> readWholeFile(const std::string& path, ReadLimit limit)
{
    // Without blocking, so that a FIFO or a terminal is refused at once
    // rather than waited on.
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (file.get() < 0)
        throw ImageError("Can't open " + shownName(path) + ": " + reason(errno) + ".");
    struct stat info {};
    if (::fstat(file.get(), &info) != 0)
        throw ImageError("Can't open " + shownName(path) + ": " + reason(errno) + ".");
    if (!S_ISREG(info.st_mode))
        throw ImageError("Can't open " + shownName(path) + ": " + notPlainFile(info.st_mode) + ".");
    const auto tooLong = [&] {
        return ImageError("The file " + shownName(path) + " has more than " + std::to_string(limit.bytes) +
                          " bytes, more than " + limit.what + " can have, so it was not read.");
    };
    if (static_cast<std::uintmax_t>(info.st_size) > limit.bytes)
        throw tooLong();
    // One byte more than the file's size, so that a file still growing
    // shows; the read never goes past the limit.
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(info.st_size) + 1);
    std::size_t done = 0;
    for (;;) {
        if (done == bytes.size()) {
            if (bytes.size() > limit.bytes)
                throw tooLong();
            bytes.resize(std::min(2 * bytes.size(), limit.bytes + 1));
        }
        ssize_t got = ::read(file.get(), bytes.data() + done, bytes.size() - done);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            throw ImageError("Can't read " + shownName(path) + ": " + reason(errno) + ".");
        }
        if (got == 0)
            break;
        done += static_cast<std::size_t>(got);
    }
    if (done > limit.bytes)
        throw tooLong();
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

bool sameFileOnDisk(const std::string& a, const std::string& b)
{
    struct stat first {};
    struct stat second {};
    if (::stat(a.c_str(), &first) != 0 || ::stat(b.c_str(), &second) != 0)
        return false;
    return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

void refuseOutputOverImage(const std::string& output, const std::string& image)
{
    if (sameFileOnDisk(output, image))
        throw ImageError("The output " + shownName(output) + " is the image " + shownName(image) +
                         " itself, so nothing was written.");
}

std::string temporaryPrefix(const std::string& targetName)
{
    // Short enough that the whole name stays within the 255 bytes a name may have.
    const std::string folder = std::filesystem::path(targetName).parent_path().string();
    const std::string base = baseNameOf(targetName).substr(0, 200);
    return (folder.empty() ? std::string() : folder + "/") + base + ".quorled-new-";
}

void writeWholeFile(const std::string& path, const std::vector<std::uint8_t>& bytes, WriteOptions options)
{
    const std::string target = options.replaceLink ? path : writeTarget(path);
    struct stat info {};
    mode_t mode = 0644;
    bool existed = false;
    if ((options.replaceLink ? ::lstat(target.c_str(), &info) : ::stat(target.c_str(), &info)) == 0 &&
        !S_ISLNK(info.st_mode)) {
        if (!S_ISREG(info.st_mode))
            throw ImageError("Can't write " + shownName(path) + ": " + notPlainFile(info.st_mode) + ".");
        mode = info.st_mode & 07777;
        existed = true;
        if (isReadOnlyFile(target))
            throw ImageError("The file " + shownName(path) + " is read-only.");
    }
    if (options.mode >= 0)
        mode = static_cast<mode_t>(options.mode) & 07777;
    std::string temporary;
    FileDescriptor file = createTemporary(target, temporary);
    auto fail = [&](int error) {
        if (file.get() >= 0)
            ::close(file.release());
        ::unlink(temporary.c_str());
        throw ImageError("Can't write " + shownName(path) + ": " + reason(error) + ".");
    };
    std::size_t done = 0;
    int calls = 0;
    while (done < bytes.size()) {
        ssize_t put = writeSome(file.get(), bytes.data() + done, bytes.size() - done, calls);
        if (put < 0) {
            if (errno == EINTR)
                continue;
            fail(errno);
        }
        done += static_cast<std::size_t>(put);
    }
    // The new file keeps the old one's owner where this program may give it.
    if (existed && ::fchown(file.get(), info.st_uid, info.st_gid) != 0 && errno != EPERM)
        fail(errno);
    if (::fchmod(file.get(), mode) != 0 || ::fsync(file.get()) != 0)
        fail(errno);
    if (::close(file.release()) != 0)
        fail(errno);
    if (renameFile(temporary.c_str(), target.c_str()) != 0)
        fail(errno);
    const std::string folder = folderOf(target);
    syncFolder(folder, path);
    removeLeftovers(folder, target);
}

} // namespace quorled
