#include "util/memory_reuse.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace quillon {

void KeepFreedMemoryForReuse() {
#if defined(__GLIBC__)
  // Up to these sizes a freed block stays with the process: the largest
  // buffers of a run are a few megabytes, far below either.
  constexpr int kKeepBytes = 256 << 20;
  constexpr int kOwnMappingBytes = 32 << 20;  // the largest glibc takes
  mallopt(M_TRIM_THRESHOLD, kKeepBytes);
  mallopt(M_MMAP_THRESHOLD, kOwnMappingBytes);
#endif
}

}  // namespace quillon
