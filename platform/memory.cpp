// platform/memory.cpp — the heap settings of glibc on Linux (mallopt, madvise).
#include "platform/memory.hpp"

#include <cstdint>
#include <cstdlib>

#if defined(__GLIBC__) && defined(__linux__)
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace platform {

void PrepareHeap(size_t reserve) {
#if defined(__GLIBC__) && defined(__linux__)
  // Picture buffers stay on the heap (glibc's ceiling for this is 32 MB), and what is freed
  // stays with the process for the next picture rather than going back to the system.
  mallopt(M_MMAP_THRESHOLD, 32 << 20);
  mallopt(M_TRIM_THRESHOLD, 512 << 20);
  mallopt(M_TOP_PAD, static_cast<int>(reserve));
  auto* const before = static_cast<char*>(sbrk(0));
  // The next growth of the heap takes the reserve along with it. (Volatile: a compiler may
  // drop an allocation that is freed unused.)
  void* volatile grow = std::malloc(1 << 20);
  std::free(grow);
  auto* const after = static_cast<char*>(sbrk(0));
  if (before == reinterpret_cast<char*>(-1) || after <= before) return;
  constexpr uintptr_t kLargePage = 2 << 20;
  const uintptr_t start =
      (reinterpret_cast<uintptr_t>(before) + kLargePage - 1) & ~(kLargePage - 1);
  const uintptr_t end = reinterpret_cast<uintptr_t>(after) & ~(kLargePage - 1);
  // Advice only: a kernel without large pages leaves the heap as it was.
  if (end > start) madvise(reinterpret_cast<void*>(start), end - start, MADV_HUGEPAGE);
#else
  (void)reserve;
#endif
}

}  // namespace platform
