#pragma once

#include "areamodel.h"

namespace quorled {

// The model of `area` made from the decoding of another area that lies on
// the same data (an equal AreaDecodeKey): the same streams, with its own
// number in the model and in its damage notes. A pass over all areas then
// decodes each distinct key once.
AreaModel asLoadedFor(AreaModel decoded, int area);

} // namespace quorled
