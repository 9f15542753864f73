#include "areaimport.h"

#include "romdata/filestore.h"
#include "romdata/imageerror.h"
#include "romdata/shownname.h"

namespace quorled::cli {

JsonValue readJsonFile(const std::string& fileName)
{
    const std::vector<std::uint8_t> bytes = readWholeFile(fileName, {kTextFileLimit.bytes, "a JSON file"});
    try {
        return parseJson(std::string(bytes.begin(), bytes.end()), kAreaJsonLimits);
    } catch (const JsonError& error) {
        throw ImageError("The file " + shownName(fileName) + " is not JSON: " + error.what() + ". Nothing was written.");
    }
}

} // namespace quorled::cli
