#include "patchfile.h"

#include "bps.h"
#include "patcherror.h"
#include "romdata/filestore.h"
#include "romdata/romimage.h"

#include <algorithm>
#include <cctype>
#include <sys/stat.h>

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

bool sameFile(const std::string& a, const std::string& b)
{
    struct stat first {};
    struct stat second {};
    return ::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0 && first.st_dev == second.st_dev &&
           first.st_ino == second.st_ino;
}

std::optional<std::string> outputProblem(const std::string& out, const std::vector<std::string>& inputs)
{
    for (const std::string& input : inputs)
        if (sameFile(out, input))
            return "The output " + out + " is the same file as " + input + "; name a new file.";
    struct stat info {};
    if (::stat(out.c_str(), &info) == 0 && !S_ISREG(info.st_mode))
        return "The output " + out + " exists and is no plain file; name a new file.";
    return std::nullopt;
}

namespace {

PatchBytes readImage(const std::string& path)
{
    return RomImage::openChecked(path, imageKindFromFileName(path)).bytes();
}

void refuseOutput(const std::string& out, const std::vector<std::string>& inputs)
{
    if (const auto problem = outputProblem(out, inputs))
        throw ImageError(*problem);
}

} // namespace

std::size_t writePatchFile(const std::string& originalPath, const std::string& editedPath,
                           const std::string& patchPath)
{
    const auto format = patchFormatFromFileName(patchPath);
    if (!format)
        throw ImageError("The patch's name " + patchPath + " must end in .ips or .bps, which decides its format.");
    const PatchBytes before = readImage(originalPath);
    const PatchBytes after = readImage(editedPath);
    refuseOutput(patchPath, {originalPath, editedPath});
    PatchBytes patch;
    try {
        patch = makePatch(*format, before, after);
    } catch (const PatchError& error) {
        throw ImageError("Can't make a patch from " + originalPath + " to " + editedPath + ": " + error.what() + ".");
    }
    writeWholeFile(patchPath, patch);
    return patch.size();
}

std::size_t writePatchedImage(const std::string& imagePath, const std::string& patchPath,
                              const std::string& outPath)
{
    const PatchBytes image = readImage(imagePath);
    const PatchBytes patch = readWholeFile(patchPath);
    refuseOutput(outPath, {imagePath, patchPath});
    PatchBytes result;
    try {
        result = applyPatch(image, patch);
    } catch (const PatchError& error) {
        throw ImageError("Can't apply " + patchPath + " to " + imagePath + ": " + error.what() + ".");
    }
    writeWholeFile(outPath, result);
    return result.size();
}

} // namespace quorled
