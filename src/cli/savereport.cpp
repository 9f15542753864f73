#include "savereport.h"

#include "romdata/bytes.h"
#include "romdata/imageerror.h"
#include "romdata/roomuse.h"

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

void printSharedAreas(const AreaDirectory& directory, int area, const std::optional<AreaRoom>& room,
                      const std::vector<long>& changedOffsets, std::ostream& out)
{
    if (!room)
        return;
    const std::string note = sharedDataNote(areasChangedWith(directory, area, *room, changedOffsets));
    if (!note.empty())
        out << "Note: " << note << "\n";
}

} // namespace quorled::cli
