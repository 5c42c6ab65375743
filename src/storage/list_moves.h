#pragma once
// Moving an entry of an ordered list one place up or down, as the list
// editors' Move Up and Move Down buttons do.

#include <utility>
#include <vector>

namespace vorlane {

// Swaps entries i and i + 1; false (and nothing changed) when either is
// outside the list.
template <class T>
bool SwapWithNext(std::vector<T>& items, int i) {
    if (i < 0 || i + 1 >= static_cast<int>(items.size())) return false;
    std::swap(items[static_cast<std::size_t>(i)], items[static_cast<std::size_t>(i + 1)]);
    return true;
}

}  // namespace vorlane
