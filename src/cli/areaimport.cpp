#include "areaimport.h"

#include "romdata/imageerror.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace quorled::cli {

JsonValue readJsonFile(const std::string& fileName)
{
    std::error_code error;
    if (std::filesystem::is_directory(fileName, error))
        throw ImageError("The file " + fileName + " is a folder, not a JSON file.");
    std::ifstream in(fileName, std::ios::binary);
    if (!in)
        throw ImageError("The file " + fileName + " cannot be read.");
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad())
        throw ImageError("The file " + fileName + " cannot be read.");
    try {
        return parseJson(text.str());
    } catch (const JsonError& error) {
        throw ImageError("The file " + fileName + " is not JSON: " + error.what() + ". Nothing was written.");
    }
}

} // namespace quorled::cli
