#pragma once

#include "ZTSwiftUIComponents/host/TransactionType.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zt {

/// A saved transaction template the user books with one tap: a value, identified by `id`.
/// A dynamic shortcut is one the host keeps up to date from frequently booked transactions.
struct Shortcut {
    std::string id;
    std::string name;
    double amount = 0;
    TransactionType type = TransactionType::expense;
    std::string categoryName;
    std::string categoryImageName;
    std::string accountName;
    std::optional<std::string> currencyCode;
    bool isDynamic = false;

    bool operator==(const Shortcut&) const = default;

    /// A handful of everyday shortcuts, two of them dynamic.
    static std::vector<Shortcut> demo();
};

} // namespace zt

template <> struct std::hash<zt::Shortcut> {
    std::size_t operator()(const zt::Shortcut& shortcut) const noexcept;
};
