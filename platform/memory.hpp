// platform/memory.hpp — how the process asks the system for memory.
#pragma once

#include <cstddef>

namespace platform {

// Sets the C library's heap up for a program that holds many pictures of one to two MB:
// they come from one heap grown ahead by `reserve` bytes, backed by 2 MB pages where the
// kernel gives them on request, instead of a fresh mapping apiece that is faulted in 4 kB at
// a time. Call once, early; later calls only advise what the heap has grown to. Does nothing
// where the C library or kernel has no such settings.
void PrepareHeap(size_t reserve);

}  // namespace platform
