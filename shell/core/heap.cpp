#include "shell/core/heap.h"

#include <cstdlib>  // defines __GLIBC__ where the C library is glibc

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace shell {

void keepFreedMemoryForTheNextSolution()
{
#if defined(__GLIBC__)
    mallopt(M_TRIM_THRESHOLD, 64 << 20);
#endif
}

}  // namespace shell
