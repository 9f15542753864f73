#include "sharedload.h"

#include "bytes.h"

namespace quorled {

AreaModel asLoadedFor(AreaModel decoded, int area)
{
    if (decoded.area == area)
        return decoded;
    // Every damage note starts with the name of the area it was made for.
    const std::string was = "area " + hex2(decoded.area) + ":";
    const std::string now = "area " + hex2(area) + ":";
    for (std::string& note : decoded.damage)
        if (note.starts_with(was))
            note.replace(0, was.size(), now);
    decoded.area = area;
    return decoded;
}

} // namespace quorled
