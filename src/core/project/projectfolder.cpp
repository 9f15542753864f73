#include "core/project/projectfolder.h"

#include "romdata/filestore.h"
#include "romdata/imageerror.h"
#include "romdata/shownname.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

namespace quorled {

namespace fs = std::filesystem;

namespace {

std::string describe(const fs::path& path) { return shownName(path.string()); }

// Refuses a link, or anything but a folder, where a folder is meant.
void makeFolder(const fs::path& path)
{
    std::error_code error;
    const fs::file_status status = fs::symlink_status(path, error);
    if (fs::is_symlink(status))
        throw ImageError("The folder " + describe(path) + " is a link; a project is never written through one.");
    if (fs::exists(status)) {
        if (!fs::is_directory(status))
            throw ImageError(describe(path) + " is not a folder.");
        return;
    }
    if (!fs::create_directory(path, error) || error)
        throw ImageError("Could not make the folder " + describe(path) + ": " + error.message() + ".");
}

bool sameText(const fs::path& path, const std::string& text)
{
    std::error_code error;
    if (!fs::is_regular_file(fs::symlink_status(path, error)) || fs::file_size(path, error) != text.size())
        return false;
    try {
        const std::vector<std::uint8_t> bytes = readWholeFile(path.string());
        return std::equal(bytes.begin(), bytes.end(), text.begin(), text.end());
    } catch (const ImageError&) {
        return false;
    }
}

// A file the project did not have: created exclusively (never through a
// link or over a file that appeared meanwhile) and written as copying tools
// write, without a flush: it holds nothing the image does not.
void writeNewFile(const fs::path& path, const std::string& text)
{
    const int file = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    const auto fail = [&](int error) {
        throw ImageError("Can't write " + describe(path) + ": " + std::strerror(error) + ".");
    };
    if (file < 0)
        fail(errno);
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t put = ::write(file, text.data() + done, text.size() - done);
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0) {
            const int error = put < 0 ? errno : ENOSPC;
            ::close(file);
            ::unlink(path.c_str());
            fail(error);
        }
        done += static_cast<std::size_t>(put);
    }
    if (::close(file) != 0) {
        const int error = errno;
        ::unlink(path.c_str());
        fail(error);
    }
}

} // namespace

bool isProjectFolder(const std::string& path)
{
    std::error_code error;
    return fs::is_directory(path, error) && fs::is_regular_file(fs::path(path) / kProjectFileName, error);
}

std::vector<std::string> writeProjectFolder(const std::string& folder, const ProjectFiles& files)
{
    const fs::path root(folder);
    std::error_code error;
    if (fs::exists(fs::symlink_status(root, error)) && !fs::is_symlink(fs::symlink_status(root, error)) &&
        fs::is_directory(root, error) && !fs::is_empty(root, error) && !isProjectFolder(folder))
        throw ImageError("The folder " + describe(root) +
                         " holds files but no text project; unpack into a new or empty folder. Nothing was written.");
    makeFolder(root);
    std::vector<std::string> written;
    for (const auto& [name, text] : files) {
        const fs::path path = root / name;
        if (path.has_parent_path() && path.parent_path() != root)
            makeFolder(path.parent_path());
        if (fs::is_symlink(fs::symlink_status(path, error)))
            throw ImageError("The file " + describe(path) + " is a link; a project is never written through one.");
        if (sameText(path, text))
            continue;
        // A file the project has is replaced atomically: it may hold edits.
        if (fs::exists(fs::symlink_status(path, error))) {
            writeWholeFile(path.string(), std::vector<std::uint8_t>(text.begin(), text.end()));
        } else {
            writeNewFile(path, text);
        }
        written.push_back(name);
    }
    return written;
}

ProjectFiles readProjectFolder(const std::string& folder, const std::vector<std::string>& paths)
{
    if (!isProjectFolder(folder))
        throw ImageError(describe(folder) + " is no text project (it has no " + kProjectFileName +
                         "). Nothing was written.");
    ProjectFiles files;
    for (const std::string& name : paths) {
        const fs::path path = fs::path(folder) / name;
        std::error_code error;
        if (!fs::exists(fs::symlink_status(path, error)))
            throw ImageError("The project has no file " + name + ". Nothing was written.");
        const std::vector<std::uint8_t> bytes = readWholeFile(path.string());
        files[name] = std::string(bytes.begin(), bytes.end());
    }
    return files;
}

} // namespace quorled
