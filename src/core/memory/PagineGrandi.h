#pragma once
// Memory for the large arrays of result lists and grids. Where the system offers huge pages,
// blocks of 2 MiB and more are taken in them: a list of 100,000 lines then costs a handful
// of page faults instead of thousands, which on some machines is most of the time of a
// search.
// Small requests, and systems without huge pages, get ordinary memory.
#include <memory_resource>

std::pmr::memory_resource* MemoriaPagineGrandi();
