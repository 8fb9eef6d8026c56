// Counts calls of the global operator new, which this benchmark program
// replaces with a counting one.
#pragma once

#include <cstddef>

namespace skinwright::bench {

std::size_t AllocationCount();

}  // namespace skinwright::bench
