#include "heaptuning.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace quorled {

void keepHeapPages()
{
#if defined(__GLIBC__)
    // Blocks up to 64 MiB from the heap (an image is at most 16 MiB); up to
    // 256 MiB of freed memory kept. Both stay well inside the memory bound.
    mallopt(M_MMAP_THRESHOLD, 64 << 20);
    mallopt(M_TRIM_THRESHOLD, 256 << 20);
#endif
}

} // namespace quorled
