#include "heaptuning.h"

#include <cstdlib> // defines __GLIBC__ on the GNU C library

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace quorled {

bool keepHeapPages()
{
#if defined(__GLIBC__)
    // Blocks up to 32 MiB (the most the library allows) from the heap: an
    // image is at most 16 MiB. Up to 16 MiB of freed memory kept: enough
    // for the models of a pass over all areas to reuse the same pages.
    return mallopt(M_MMAP_THRESHOLD, 32 << 20) == 1 && mallopt(M_TRIM_THRESHOLD, 16 << 20) == 1;
#else
    return false;
#endif
}

} // namespace quorled
