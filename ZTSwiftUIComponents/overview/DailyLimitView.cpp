#include "DailyLimitView.h"

#include "ZTSwiftUIComponents/overview/DailyLimitCardView.h"
#include "ZTSwiftUIComponents/overview/DailyLimitInformationView.h"
#include "ZTSwiftUIComponents/overview/DailyLimitSettingsView.h"
#include "platform/StringTable.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace zt {

struct DailyLimitView::State {
    bool isSettingsPresented = false;
    bool isInformationPresented = false;
    std::optional<std::string> transactionToDelete;
    // Made when the settings open, so what the user types survives redraws.
    std::optional<DailyLimitSettingsView> settings;
};

DailyLimitView::DailyLimitView(std::shared_ptr<DailyLimitViewModel> viewModel)
    : viewModel_(std::move(viewModel)) {}

ui::View DailyLimitView::body() const {
    const auto vm = viewModel_;
    const State& state = *state_;

    const auto openSettings =
        state_.action([vm, close = state_.setter(&State::isSettingsPresented, false)](State& s) {
            s.settings.emplace(
                vm->currencyFormatter(), vm->automaticDailyBudget(), vm->dailyLimit(), vm->calculationType(),
                [vm](std::optional<double> value) { vm->updateDailyLimit(value); }, close);
            s.isSettingsPresented = true;
        });

    const auto transactionRows = [&](const ReportTransactionList& transactions) {
        std::vector<ui::View> rows;
        for (const auto& t : transactions) {
            const std::string id = t->identifier();
            std::vector<ui::View> cells{ui::label(t->categoryName(), t->categoryImageName())};
            if (const auto& note = t->payee() ? t->payee() : t->descriptionText())
                cells.push_back(ui::text(*note).font(ui::Font::caption).secondary());
            cells.push_back(
                ui::text(vm->currencyFormatter().stringOrDash(t->amount())).foregroundColor(t->signColor()));
            cells.push_back(ui::button(L("Edit"), "pencil", [vm, id] {
                if (vm->onEditDidPress)
                    vm->onEditDidPress(id);
            }));
            cells.push_back(ui::button(L("Delete"), "trash",
                                       state_.setter(&State::transactionToDelete, std::optional(id)))
                                .role(ui::ButtonRole::destructive));
            rows.push_back(ui::row(std::move(cells)).id(id));
        }
        if (rows.empty())
            rows.push_back(ui::text(L("No transactions")).secondary());
        return rows;
    };

    std::vector<ui::View> dialogButtons;
    if (state.transactionToDelete)
        dialogButtons.push_back(ui::button(L("Delete"), [vm, id = *state.transactionToDelete] {
                                    if (vm->onDeleteDidPress)
                                        vm->onDeleteDidPress(id);
                                }).role(ui::ButtonRole::destructive));
    dialogButtons.push_back(ui::button(L("Cancel"), [] {}).role(ui::ButtonRole::cancel));

    return ui::group(
               {
                   ui::list({
                       ui::section(
                           {ui::button(openSettings, {DailyLimitCardView::figures(*vm)}).id("figures")}),
                       ui::section(L("Today", "Daily limit screen: header of today's counted expenses"),
                                   transactionRows(vm->items()),
                                   L("Showing transactions for filtered accounts in the Overview screen.")),
                       ui::section(L("Not included in calculations",
                                     "Daily limit screen: header of today's outgoing transfers"),
                                   transactionRows(vm->transfers())),
                       ui::section({ui::button(L("Change Daily Limit"), "switch.2", openSettings)}),
                   }),
                   ui::toolbarItem("help", ui::button({}, "questionmark.circle",
                                                      state_.setter(&State::isInformationPresented, true))
                                               .accessibilityLabel(L("Learn More"))),
                   ui::sheet(L("Daily Limit Settings"), state.isSettingsPresented,
                             state_.binding(&State::isSettingsPresented),
                             {state.settings ? state.settings->body() : ui::group()}),
                   ui::sheet(L("Daily Limit Help"), state.isInformationPresented,
                             state_.binding(&State::isInformationPresented),
                             {DailyLimitInformationView().body()}),
                   ui::confirmationDialog(L("Delete"), {}, state.transactionToDelete.has_value(),
                                          state_.action([](State& s, bool presented) {
                                              if (!presented)
                                                  s.transactionToDelete.reset();
                                          }),
                                          std::move(dialogButtons))
                       .id("deleteConfirmation"),
               })
        .navigationTitle(L("Daily Limit"));
}

} // namespace zt
