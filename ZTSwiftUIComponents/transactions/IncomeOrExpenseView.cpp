#include "IncomeOrExpenseView.h"

#include "ZTSwiftUIComponents/host/CurrencyFormatting.h"
#include "ZTSwiftUIComponents/transactions/AmountExpression.h"
#include "platform/StringTable.h"

#include <utility>

namespace zt {

ui::View amountField(const ui::Binding<std::string>& text, TransactionEntryField field,
                     const std::function<void(TransactionEntryField)>& onFocus,
                     const std::string& localeIdentifier, const std::string& id) {
    const std::string current = text.get();
    const bool invalid = isInvalidAmount(current, localeIdentifier);
    std::vector<ui::View> views{ui::textField(L("Amount", "Placeholder of an amount field"), current,
                                              [text, field, onFocus](const std::string& typed) {
                                                  if (onFocus)
                                                      onFocus(field);
                                                  text.set(typed);
                                              })
                                    .invalid(invalid)
                                    .id(id)};
    if (invalid)
        views.push_back(ui::text(L("Not a valid amount"))
                            .font(ui::Font::caption)
                            .foregroundColor(negativeAmountColor)
                            .id(id + "Invalid"));
    return ui::group(std::move(views));
}

IncomeOrExpenseView::IncomeOrExpenseView(std::shared_ptr<TransactionEntryContainerViewModel> viewModel,
                                         std::function<void(TransactionEntryField)> onFocus,
                                         std::function<void()> onEditDescription,
                                         ui::ScreenState<ExchangeRateButton::State> exchangeRateButton)
    : viewModel_(std::move(viewModel)), onFocus_(std::move(onFocus)),
      onEditDescription_(std::move(onEditDescription)), exchangeRateButton_(std::move(exchangeRateButton)) {}

ui::View IncomeOrExpenseView::body() const {
    const auto vm = viewModel_;
    const auto& locale = vm->formatter.localeIdentifier();
    std::vector<ui::View> rows{amountField(ui::bind(vm, &TransactionEntryContainerViewModel::amountText),
                                           TransactionEntryField::expenseOrIncome, onFocus_, locale,
                                           "amount")};

    if (const auto& rate = vm->exchangeRate())
        rows.push_back(ExchangeRateButton(ui::bind(vm, &TransactionEntryContainerViewModel::exchangeRate),
                                          amountValue(vm->amountText(), locale).value_or(0),
                                          makeCurrencyFormatter(rate->toCurrencyCode), exchangeRateButton_)
                           .body());

    const auto& account = vm->selectedAccount();
    rows.push_back(
        ui::button([vm] { vm->selectAccountPressed.set(!vm->selectAccountPressed()); },
                   {ui::text(L("Account")).font(ui::Font::caption).secondary(),
                    account ? ui::label(account->name, account->iconName)
                            : ui::text(L("Select account", "Account button without an account")).secondary()})
            .id("account"));
    const auto& category = vm->selectedCategoryName();
    rows.push_back(
        ui::button([vm] { vm->selectCategoryPressed.set(!vm->selectCategoryPressed()); },
                   {ui::text(L("Category")).font(ui::Font::caption).secondary(),
                    category
                        ? ui::text(*category)
                        : ui::text(L("Select category", "Category button without a category")).secondary()})
            .id("category"));

    const auto& description =
        vm->descriptionViewModel() ? vm->descriptionViewModel()->descriptionText() : std::string{};
    const auto onEditDescription = onEditDescription_;
    rows.push_back(
        ui::button(
            [onEditDescription] {
                if (onEditDescription)
                    onEditDescription();
            },
            {description.empty() ? ui::text(L("Edit description")).secondary() : ui::text(description)})
            .accessibilityLabel(L("Edit description"))
            .id("editDescription"));
    return ui::section(std::move(rows));
}

} // namespace zt
