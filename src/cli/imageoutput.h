#pragma once

#include "cliargs.h"
#include "core/document/imagedocument.h"
#include "imagesession.h"

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace quorled {
class RomImage;
}

namespace quorled::cli {

// Where a command that changes an image puts the result: back into IMAGE
// (the default), into a new file (-o OUT, IMAGE left alone), or nowhere
// (--dry-run: it reports which bytes would change and writes nothing).
// Back into IMAGE goes through the editor's image document and its guarded
// write: read-only refused, the image locked from before it is read until
// it is written, NAME.bak made just before the write (unless --no-backup
// was given or the settings file turns backups off, "Options"/"Backup").
class ImageOutput {
public:
    // `valued` and `flags` of the command with -o and --dry-run added.
    static std::vector<std::string> withValued(std::vector<std::string> valued);
    static std::vector<std::string> withFlags(std::vector<std::string> flags);

    // Reads -o and --dry-run. Throws ImageError for an OUT that is the image
    // itself or already exists, before anything is done. Make it before the
    // image is read.
    ImageOutput(const CliArgs& args, const std::string& imagePath);

    bool dryRun() const { return dryRun_; }

    // Reads IMAGE (under the lock for an in-place write) as openImageFile
    // and ImageSession::open do. The image returned has no file, so no step
    // of the command can write IMAGE; its bytes are kept for the report.
    RomImage open(ImageKind kind, const CliArgs& args);
    ImageSession openSession(const CliArgs& args);
    // Puts the changed image where it belongs (nothing for a dry run).
    // Throws ImageError when the file cannot be written; it is then as it
    // was.
    void write(RomImage& image);
    // The closing line for -o and --dry-run (nothing for an in-place write).
    void report(std::ostream& out) const;

private:
    std::string imagePath_;
    std::optional<std::string> outPath_;
    bool dryRun_ = false;
    // Writing back into IMAGE: the document holds the lock from before the
    // read until the write.
    std::optional<ImageDocument> document_;
    std::vector<std::uint8_t> before_;
    std::vector<std::uint8_t> after_;
};

// Refuses to write a file that exists (a link too, even a dangling one):
// throws ImageError naming it and `what` writes.
void refuseExistingFile(const std::string& path, const std::string& what);

// "no bytes" or "3 bytes ($12809-$1280A, $12510)": the offsets where two
// images of one size differ, runs of neighbours joined.
std::string changedRanges(const std::vector<std::uint8_t>& before, const std::vector<std::uint8_t>& after);

} // namespace quorled::cli
