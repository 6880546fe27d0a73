#pragma once

#include <cstddef>
#include <memory>

namespace zt {

/// Starts fetching the first 64 bytes of the record a few places ahead of position i in a list
/// of record handles (shared_ptr or pointer); does nothing near the end of the list.
///
/// Records lie all over the heap, and a pass that does real work per record keeps too few loads
/// in flight to hide their cache misses. Transaction records keep the fields that figures read
/// in their first 64 bytes (two cache lines at most), so fetching those ahead makes the pass run
/// at the pace of its work rather than of memory.
///
/// Always inlined: a prefetch is no side effect to the optimiser, so a call to a function that
/// only prefetches counts as dead and is dropped before it could be inlined.
template <class Handles>
[[gnu::always_inline]] inline void prefetchRecordAhead(const Handles& list, std::size_t i) {
    constexpr std::size_t distance = 16; // far enough to cover a miss, near enough to stay cached
    if (i + distance < list.size()) {
        const auto* record = reinterpret_cast<const char*>(std::to_address(list[i + distance]));
        __builtin_prefetch(record);
        __builtin_prefetch(record + 63);
    }
}

} // namespace zt
