#include "TransactionEditActionType.h"

#include <array>
#include <sstream>

namespace zt {

std::string TransactionEditActionType::description() const {
    static constexpr std::array<const char*, 12> names{"repeatingAmountChanged",
                                                       "shortcutToggle",
                                                       "excludeFromCalculation",
                                                       "category",
                                                       "amount",
                                                       "account",
                                                       "date",
                                                       "description",
                                                       "payee",
                                                       "edit",
                                                       "delete",
                                                       "repeatingChildrenChanged"};
    std::ostringstream out;
    out << names[static_cast<std::size_t>(kind_)];
    const auto flag = [](bool value) { return value ? "true" : "false"; };
    switch (kind_) {
    case Kind::repeatingAmountChanged:
        out << "(" << amount_ << ")";
        break;
    case Kind::shortcutToggle:
        out << "(isOn: " << flag(isOn_) << ", isDynamic: " << flag(isDynamic_) << ")";
        break;
    case Kind::excludeFromCalculation:
        out << "(isOn: " << flag(isOn_) << ")";
        break;
    default:
        break;
    }
    return out.str();
}

} // namespace zt

std::size_t std::hash<zt::TransactionEditActionType>::operator()(
    const zt::TransactionEditActionType& action) const noexcept {
    std::size_t seed = static_cast<std::size_t>(action.kind());
    const auto mix = [&seed](std::size_t value) {
        seed ^= value + 0x9e3779b97f4a7c15ULL + (seed << 6) + (seed >> 2);
    };
    mix(std::hash<double>{}(action.amount()));
    mix(action.isOn() ? 1 : 0);
    mix(action.isDynamic() ? 1 : 0);
    return seed;
}
