#pragma once

#include <cstddef>
#include <iterator>
#include <set>
#include <utility>
#include <vector>

namespace zt {

/// Positions in a list, ascending and without repeats, as a list's drag hands them over.
using IndexSet = std::set<std::size_t>;

/// Moves the elements at fromOffsets so that they stand, in their old relative order, where the
/// element at toOffset stood: the platform's move-from-offsets-to-offset rule. Offsets and the
/// destination both count positions before the move; a destination past the end means the end.
/// Offsets outside the list are ignored. Linear in the list's length.
template <class T>
void moveElements(std::vector<T>& items, const IndexSet& fromOffsets, std::size_t toOffset) {
    const std::size_t count = items.size();
    if (fromOffsets.empty() || *fromOffsets.begin() >= count)
        return;
    if (toOffset > count)
        toOffset = count;
    std::vector<T> before, moved, after;
    before.reserve(toOffset);
    moved.reserve(fromOffsets.size());
    after.reserve(count - toOffset);
    for (std::size_t i = 0; i < count; ++i) {
        if (fromOffsets.contains(i))
            moved.push_back(std::move(items[i]));
        else if (i < toOffset)
            before.push_back(std::move(items[i]));
        else
            after.push_back(std::move(items[i]));
    }
    items.clear();
    items.insert(items.end(), std::make_move_iterator(before.begin()), std::make_move_iterator(before.end()));
    items.insert(items.end(), std::make_move_iterator(moved.begin()), std::make_move_iterator(moved.end()));
    items.insert(items.end(), std::make_move_iterator(after.begin()), std::make_move_iterator(after.end()));
}

} // namespace zt
