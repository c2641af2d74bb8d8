// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/HeapReuse.h"

#include <cstdlib> // defines __GLIBC__ where the C library is glibc

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace hn {

void KeepFreedMemoryForReuse() noexcept
{
#if defined(__GLIBC__)
    // Blocks up to 4 MiB come from the heap (a 99-year monthly view is 130 KiB);
    // larger ones, such as a window's image buffers, are still mapped alone and
    // handed back when freed. The heap hands back what lies above 2 MiB free at
    // its top: what the program keeps is bounded, and one edit's schedules fit.
    mallopt(M_MMAP_THRESHOLD, 4 * 1024 * 1024);
    mallopt(M_TOP_PAD, 2 * 1024 * 1024);
#endif
}

} // namespace hn
