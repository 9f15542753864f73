#pragma once

#include <string>

namespace quorled {

// An advisory lock (flock) on an image file, held for one read-modify-write
// so that two programs writing one image take turns: each reads the image
// as the other left it. The lock is taken on the file the name leads to at
// the moment it is granted (a writer that replaced the file meanwhile is
// followed to the new one). Released when the object goes.
class ImageLock {
public:
    // How long a second writer waits for the first before it refuses.
    static constexpr int kWaitMilliseconds = 2000;

    // Throws ImageError when the file cannot be opened, is no plain file,
    // or stays locked by another program for `waitMilliseconds`.
    explicit ImageLock(const std::string& path, int waitMilliseconds = kWaitMilliseconds);
    ~ImageLock();
    ImageLock(ImageLock&& other) noexcept;
    ImageLock& operator=(ImageLock&&) = delete;
    ImageLock(const ImageLock&) = delete;
    ImageLock& operator=(const ImageLock&) = delete;

private:
    int fd_ = -1;
};

} // namespace quorled
