#include "patchfile.h"

#include "bps.h"
#include "patcherror.h"
#include "romdata/filestore.h"
#include "romdata/imageerror.h"
#include "romdata/imagekind.h"
#include "romdata/romimage.h"
#include "romdata/shownname.h"

#include <algorithm>
#include <cctype>

namespace quorled {

std::optional<PatchFormat> patchFormatFromFileName(const std::string& fileName)
{
    const auto dot = fileName.find_last_of("./");
    if (dot == std::string::npos || fileName[dot] != '.')
        return std::nullopt;
    std::string extension = fileName.substr(dot + 1);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension == "ips")
        return PatchFormat::Ips;
    if (extension == "bps")
        return PatchFormat::Bps;
    return std::nullopt;
}

PatchBytes makePatch(PatchFormat format, const PatchBytes& original, const PatchBytes& edited)
{
    return format == PatchFormat::Ips ? makeIpsPatch(original, edited) : makeBpsPatch(original, edited);
}

PatchBytes applyPatch(const PatchBytes& image, const PatchBytes& patch)
{
    if (looksLikeIpsPatch(patch))
        return applyIpsPatch(image, patch);
    if (looksLikeBpsPatch(patch))
        return applyBpsPatch(image, patch);
    throw PatchError("it is neither an IPS patch nor a BPS patch");
}

std::optional<std::string> outputProblem(const std::string& out, const std::vector<std::string>& inputs)
{
    // A folder, FIFO or device as `out` is refused by the file write itself.
    for (const std::string& input : inputs)
        if (sameFileOnDisk(out, input))
            return "The output " + shownName(out) + " is the same file as " + shownName(input) + "; name a new file.";
    return std::nullopt;
}

namespace {

// A patch may hold a whole 16 MiB image and its checksums.
constexpr ReadLimit kPatchFileLimit{(16u << 20) + 4096, "a patch"};

// Patches are made between images of the game: a file without the iNES mark
// is refused unless the user insists, as every command does.
PatchBytes readImage(const std::string& path, bool force)
{
    const ImageKind kind = imageKindFromFileName(path);
    PatchBytes bytes = RomImage::openChecked(path, kind).bytes();
    if (!force)
        if (const auto foreign = foreignImageProblem(path, bytes, kind))
            throw ImageError(*foreign + " Add --force to work on it all the same.");
    return bytes;
}

void refuseOutput(const std::string& out, const std::vector<std::string>& inputs)
{
    if (const auto problem = outputProblem(out, inputs))
        throw ImageError(*problem);
}

// A patched image must still be an image of the kind its name asks for:
// a patch that truncates it to nothing or grows it past the largest image
// writes nothing.
void refuseNonImage(const std::string& out, const PatchBytes& result)
{
    const ImageKind kind = imageKindFromFileName(out);
    const auto size = static_cast<long>(result.size());
    if (size < minimumImageLength(kind) || size > maximumImageLength(kind))
        throw ImageError("The patched image would have " + std::to_string(result.size()) + " bytes, and an image " +
                         "of this kind has " + std::to_string(minimumImageLength(kind)) + " to " +
                         std::to_string(maximumImageLength(kind)) + " bytes, so " + shownName(out) +
                         " was not written.");
}

} // namespace

std::size_t writePatchFile(const std::string& originalPath, const std::string& editedPath,
                           const std::string& patchPath, bool force)
{
    const auto format = patchFormatFromFileName(patchPath);
    if (!format)
        throw ImageError("The patch's name " + shownName(patchPath) + " must end in .ips or .bps, which decides its format.");
    const PatchBytes before = readImage(originalPath, force);
    const PatchBytes after = readImage(editedPath, force);
    refuseOutput(patchPath, {originalPath, editedPath});
    PatchBytes patch;
    try {
        patch = makePatch(*format, before, after);
    } catch (const PatchError& error) {
        throw ImageError("Can't make a patch from " + shownName(originalPath) + " to " + shownName(editedPath) + ": " + error.what() + ".");
    }
    writeWholeFile(patchPath, patch);
    return patch.size();
}

std::size_t writePatchedImage(const std::string& imagePath, const std::string& patchPath,
                              const std::string& outPath, bool force)
{
    const PatchBytes image = readImage(imagePath, force);
    const PatchBytes patch = readWholeFile(patchPath, kPatchFileLimit);
    refuseOutput(outPath, {imagePath, patchPath});
    PatchBytes result;
    try {
        result = applyPatch(image, patch);
    } catch (const PatchError& error) {
        throw ImageError("Can't apply " + shownName(patchPath) + " to " + shownName(imagePath) + ": " + error.what() + ".");
    }
    refuseNonImage(outPath, result);
    writeWholeFile(outPath, result);
    return result.size();
}

} // namespace quorled
