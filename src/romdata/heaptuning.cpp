#include "heaptuning.h"

#include <cstdlib> // defines __GLIBC__ on the GNU C library

#if defined(__GLIBC__)
#include <cstdint>
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>
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

bool offerLargeHeapPages()
{
#if defined(__GLIBC__)
    constexpr std::size_t kPad = std::size_t{128} << 20;
    constexpr std::uintptr_t kLargePage = std::uintptr_t{2} << 20;
    if (mallopt(M_TOP_PAD, static_cast<int>(kPad)) != 1)
        return false;
    // A block larger than what is left at the top makes the heap grow now,
    // by the block and the pad; freeing it keeps the pad. (Volatile: the
    // pair is not left out.)
    void* volatile block = std::malloc(std::size_t{1} << 20);
    std::free(block);
    const auto end = reinterpret_cast<std::uintptr_t>(sbrk(0));
    const std::uintptr_t from = (end - kPad + kLargePage - 1) & ~(kLargePage - 1);
    const std::uintptr_t to = end & ~(kLargePage - 1);
    return to > from && madvise(reinterpret_cast<void*>(from), to - from, MADV_HUGEPAGE) == 0;
#else
    return false;
#endif
}

} // namespace quorled
