#include "savereport.h"

#include "romdata/bytes.h"
#include "romdata/imageerror.h"

namespace quorled::cli {

void throwIfRefused(const SaveResult& result)
{
    if (result.refusal)
        throw ImageError(result.refusal->title + " " + result.refusal->text);
}

void printChangedOffsets(const std::vector<long>& offsets, std::ostream& out)
{
    if (offsets.empty()) {
        out << "no bytes changed";
        return;
    }
    out << offsets.size() << (offsets.size() == 1 ? " byte" : " bytes") << " changed:";
    for (std::size_t i = 0; i < offsets.size(); ++i)
        out << (i ? ", " : " ") << hexAddress(offsets[i]);
}

} // namespace quorled::cli
