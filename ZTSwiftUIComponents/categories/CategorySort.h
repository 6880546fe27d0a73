#pragma once

#include "ZTSwiftUIComponents/host/Sort.h"

#include <algorithm>
#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace zt {

/// The form in which names are ordered: canonically composed (NFC) UTF-8, compared byte by byte,
/// which orders by Unicode scalar values without regard to the locale. Composed and decomposed
/// spellings of one name therefore sort as equals.
std::string canonicalOrderKey(std::string_view name);

/// Sorts shared records with a name and an order (categories, subcategories) by the rule of a
/// sort: by name or by the user's order, ascending or descending. Stable: equal keys keep their
/// relative order. An already ordered list is left as it is after one pass.
template <class T> void sortByRule(std::vector<std::shared_ptr<T>>& items, const Sort& sort) {
    if (sort.type == SortType::userDefined) {
        const auto before = [ascending = sort.ascending](const auto& a, const auto& b) {
            return ascending ? a->order < b->order : a->order > b->order;
        };
        if (!std::is_sorted(items.begin(), items.end(), before))
            std::stable_sort(items.begin(), items.end(), before);
        return;
    }
    // Names are keyed once, not at every comparison; plain ASCII names are their own key.
    struct Keyed {
        std::string_view key;
        std::shared_ptr<T> item;
    };
    std::deque<std::string> composed;
    std::vector<Keyed> keyed;
    keyed.reserve(items.size());
    for (auto& item : items) {
        const std::string& name = item->name;
        if (std::all_of(name.begin(), name.end(), [](unsigned char c) { return c < 0x80; }))
            keyed.push_back({name, std::move(item)});
        else
            keyed.push_back({composed.emplace_back(canonicalOrderKey(name)), std::move(item)});
    }
    const auto before = [ascending = sort.ascending](const Keyed& a, const Keyed& b) {
        return ascending ? a.key < b.key : a.key > b.key;
    };
    if (!std::is_sorted(keyed.begin(), keyed.end(), before))
        std::stable_sort(keyed.begin(), keyed.end(), before);
    for (std::size_t i = 0; i < keyed.size(); ++i)
        items[i] = std::move(keyed[i].item);
}

/// Rewrites the order of every record after a drag, top to bottom: position i gets i with an
/// ascending sort, and highest − i with a descending one.
template <class T>
void rewriteOrder(const std::vector<std::shared_ptr<T>>& items, bool ascending, int highest) {
    for (std::size_t i = 0; i < items.size(); ++i)
        items[i]->order = ascending ? static_cast<int>(i) : highest - static_cast<int>(i);
}

} // namespace zt
