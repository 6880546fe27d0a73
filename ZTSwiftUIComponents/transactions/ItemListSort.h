#pragma once

#include "ZTSwiftUIComponents/host/Sort.h"
#include "ZTSwiftUIComponents/transactions/TagName.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace zt {

/// Orders the shared records of a tag or payee list in place by a sort: by lower-cased name (a
/// missing name counts as empty) or by the user's order (a missing position counts as 0).
/// Stable: equal keys keep their relative order.
template <class T, class Name, class Position>
void sortItemList(std::vector<std::shared_ptr<T>>& items, const Sort& sort, Name name, Position position) {
    if (sort.type == SortType::userDefined) {
        std::vector<std::pair<int, std::shared_ptr<T>>> keyed;
        keyed.reserve(items.size());
        for (auto& item : items)
            keyed.emplace_back(std::invoke(position, *item).value_or(0), std::move(item));
        std::stable_sort(keyed.begin(), keyed.end(),
                         [ascending = sort.ascending](const auto& a, const auto& b) {
                             return ascending ? a.first < b.first : a.first > b.first;
                         });
        for (std::size_t i = 0; i < keyed.size(); ++i)
            items[i] = std::move(keyed[i].second);
        return;
    }
    // Each name is lower-cased once, not at every comparison.
    std::vector<std::pair<std::string, std::shared_ptr<T>>> keyed;
    keyed.reserve(items.size());
    for (auto& item : items)
        keyed.emplace_back(lowercasedName(std::invoke(name, *item).value_or(std::string{})), std::move(item));
    std::stable_sort(keyed.begin(), keyed.end(), [ascending = sort.ascending](const auto& a, const auto& b) {
        return ascending ? a.first < b.first : a.first > b.first;
    });
    for (std::size_t i = 0; i < keyed.size(); ++i)
        items[i] = std::move(keyed[i].second);
}

/// The identifiers of the records in list order; a record without one contributes "".
template <class T> std::vector<std::string> itemIdentifiers(const std::vector<std::shared_ptr<T>>& items) {
    std::vector<std::string> ids;
    ids.reserve(items.size());
    for (const auto& item : items)
        ids.push_back(item->id().value_or(std::string{}));
    return ids;
}

/// The records without those whose identifier is listed.
template <class T>
std::vector<std::shared_ptr<T>> itemsWithout(const std::vector<std::shared_ptr<T>>& items,
                                             const std::vector<std::string>& identifiers) {
    std::vector<std::shared_ptr<T>> kept;
    kept.reserve(items.size());
    for (const auto& item : items) {
        const auto id = item->id();
        if (!id || std::find(identifiers.begin(), identifiers.end(), *id) == identifiers.end())
            kept.push_back(item);
    }
    return kept;
}

} // namespace zt
