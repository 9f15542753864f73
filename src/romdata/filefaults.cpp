#include "filefaults.h"

namespace quorled {

namespace {
FileFaults active;
}

void injectFileFaults(const FileFaults& faults) { active = faults; }
void clearFileFaults() { active = FileFaults{}; }
const FileFaults& activeFileFaults() { return active; }

} // namespace quorled
