// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <cstddef>
#include <iterator>

namespace tarnel {

// What a change did to one list: the smallest range it replaced, with the items before and
// after. Replaying it either way needs nothing else, and it holds no more than the change
// touched, however long the list.
template <class List> struct Splice {
    std::size_t at = 0;
    List removed;
    List inserted;
};

// The splice that turns `before` into `after`: everything between their common beginning and
// their common end.
template <class List> Splice<List> spliceBetween(const List& before, const List& after) {
    const std::size_t shorter = std::min(before.size(), after.size());
    std::size_t head = 0;
    while (head < shorter && before[head] == after[head])
        ++head;
    std::size_t tail = 0;
    while (tail < shorter - head &&
           before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
        ++tail;
    const auto slice = [head, tail](const List& list) {
        return List(std::next(list.begin(), static_cast<std::ptrdiff_t>(head)),
                    std::next(list.begin(), static_cast<std::ptrdiff_t>(list.size() - tail)));
    };
    return {head, slice(before), slice(after)};
}

template <class List> bool isEmpty(const Splice<List>& splice) {
    return splice.removed.empty() && splice.inserted.empty();
}

// Puts `from` where `to` stood in `list` (redo: removed -> inserted; undo: the other way).
template <class List>
void replaceRange(List& list, std::size_t at, const List& from, const List& to) {
    const auto first = std::next(list.begin(), static_cast<std::ptrdiff_t>(at));
    list.erase(first, std::next(first, static_cast<std::ptrdiff_t>(from.size())));
    list.insert(std::next(list.begin(), static_cast<std::ptrdiff_t>(at)), to.begin(), to.end());
}

template <class List> void redoSplice(List& list, const Splice<List>& splice) {
    replaceRange(list, splice.at, splice.removed, splice.inserted);
}

template <class List> void undoSplice(List& list, const Splice<List>& splice) {
    replaceRange(list, splice.at, splice.inserted, splice.removed);
}

} // namespace tarnel
