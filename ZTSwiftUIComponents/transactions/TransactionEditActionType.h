#pragma once

#include <cstddef>
#include <functional>
#include <string>

namespace zt {

/// A change the user asks for on the details screen, for the host to perform. Only the first
/// three kinds carry values; equal kinds with equal values are equal.
class TransactionEditActionType {
public:
    enum class Kind {
        repeatingAmountChanged,
        shortcutToggle,
        excludeFromCalculation,
        category,
        amount,
        account,
        date,
        description,
        payee,
        edit,
        deleteTransaction, // "delete" is a keyword here
        repeatingChildrenChanged,
    };

    static TransactionEditActionType repeatingAmountChanged(double amount) {
        return TransactionEditActionType(Kind::repeatingAmountChanged, amount, false, false);
    }
    static TransactionEditActionType shortcutToggle(bool isOn, bool isDynamic) {
        return TransactionEditActionType(Kind::shortcutToggle, 0, isOn, isDynamic);
    }
    static TransactionEditActionType excludeFromCalculation(bool isOn) {
        return TransactionEditActionType(Kind::excludeFromCalculation, 0, isOn, false);
    }
    /// One of the kinds without values; a kind with values gets zero and false.
    static TransactionEditActionType plain(Kind kind) {
        return TransactionEditActionType(kind, 0, false, false);
    }

    Kind kind() const { return kind_; }
    /// The new amount of repeatingAmountChanged.
    double amount() const { return amount_; }
    /// The switch of shortcutToggle and excludeFromCalculation.
    bool isOn() const { return isOn_; }
    bool isDynamic() const { return isDynamic_; }

    /// "shortcutToggle(isOn: true, isDynamic: false)", "category", …
    std::string description() const;

    bool operator==(const TransactionEditActionType&) const = default;

private:
    TransactionEditActionType(Kind kind, double amount, bool isOn, bool isDynamic)
        : kind_(kind), amount_(amount + 0.0), isOn_(isOn), isDynamic_(isDynamic) {}

    Kind kind_;
    double amount_; // -0 is stored as +0, so equal values hash alike
    bool isOn_;
    bool isDynamic_;
};

} // namespace zt

template <> struct std::hash<zt::TransactionEditActionType> {
    std::size_t operator()(const zt::TransactionEditActionType& action) const noexcept;
};
