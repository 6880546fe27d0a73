#include "TransactionTypeSegmentedControl.h"

#include "platform/StringTable.h"

#include <algorithm>
#include <utility>

namespace zt {

std::string transactionTypeIcon(std::size_t position) {
    switch (position) {
    case 0:
        return "minus.circle.fill";
    case 1:
        return "plus.circle.fill";
    case 2:
    case 3:
        return "arrow.right.arrow.left.circle.fill";
    default:
        return "questionmark.square";
    }
}

std::string transactionTypeIcon(TransactionType type) {
    const auto cases = allCases<TransactionType>();
    const auto it = std::find(cases.begin(), cases.end(), type);
    return transactionTypeIcon(static_cast<std::size_t>(it - cases.begin()));
}

TransactionTypeSegmentedControl::TransactionTypeSegmentedControl(
    std::vector<TransactionType> types, TransactionType selection, bool isDisabled,
    std::function<void(TransactionType)> onChange)
    : types_(std::move(types)), selection_(selection), isDisabled_(isDisabled),
      onChange_(std::move(onChange)) {}

ui::View TransactionTypeSegmentedControl::body() const {
    std::vector<ui::PickerOption> options;
    options.reserve(types_.size());
    for (const auto type : types_)
        options.emplace_back(std::string(rawValue(type)), localized(type), transactionTypeIcon(type));
    return ui::picker(L("Type", "Entry screen: picker of expense, income or transfer"), std::move(options),
                      std::string(rawValue(selection_)),
                      [types = types_, onChange = onChange_](const std::string& id) {
                          const auto type = fromRawValue<TransactionType>(id);
                          if (type && onChange && std::find(types.begin(), types.end(), *type) != types.end())
                              onChange(*type);
                      })
        .disabled(isDisabled_)
        .id("transactionType");
}

} // namespace zt
