#include "NewQuickEntryScreen.h"

#include "ZTSwiftUIComponents/host/AlertItem.h"
#include "platform/MainQueue.h"
#include "platform/StringTable.h"

#include <utility>

namespace zt {

NewQuickEntryScreen::NewQuickEntryScreen(std::shared_ptr<QuickEntryViewModelConformable> viewModel,
                                         NavigationRouter& router)
    : viewModel_(std::move(viewModel)), router_(&router) {}

void NewQuickEntryScreen::save() const {
    viewModel_->setDate(viewModel_->selectedDate());
    if (!viewModel_->save())
        return;
    MainQueue::main().async([router = router_] { router->present(AlertItem::transactionSaved()); });
    if (dismiss)
        dismiss();
}

ui::View NewQuickEntryScreen::body() const {
    const auto vm = viewModel_;
    const auto self = *this;
    std::vector<ui::View> sections{
        ui::section({
            ui::textField(L("Add transaction", "Placeholder of the quick entry field"), vm->transactionText(),
                          state_.action([vm](State& s, const std::string& text) {
                              s.focusedField = Field::amount;
                              vm->setTransactionText(text);
                          }))
                .id("transactionText"),
            ui::datePicker(
                L("Date"), vm->selectedDate(), [vm](Date date) { vm->setSelectedDate(date); }, std::nullopt,
                std::nullopt, ui::DatePickerComponents::dateAndTime)
                .id("selectedDate"),
        }),
    };
    if (const auto problems = vm->problems(); !problems.empty()) {
        std::vector<ui::View> lines;
        for (const auto& problem : problems)
            lines.push_back(
                ui::label(problem, "exclamationmark.triangle.fill").foregroundColor(negativeAmountColor));
        sections.push_back(ui::section(std::move(lines)).id("problems"));
    }
    const auto visible = vm->visibleSections();
    for (const auto& section : visible) {
        std::vector<ui::View> rows;
        for (const auto& item : section.data)
            rows.push_back(ui::button([vm, item] { vm->select(item); },
                                      {ui::text(vm->text(item)).foregroundColor(vm->color(item))}));
        sections.push_back(ui::section(section.name, std::move(rows)).id(section.id));
    }
    if (visible.empty())
        sections.push_back(
            ui::section({ui::text(L("That's it! Tap Save to confirm")).secondary()}).id("hint"));

    return ui::navigationTitle(
        L("Quick Entry"),
        {
            ui::list(std::move(sections)),
            ui::toolbarItem("close", ui::button({}, "xmark",
                                                [vm, self] {
                                                    vm->reset();
                                                    if (self.dismiss)
                                                        self.dismiss();
                                                })
                                         .accessibilityLabel(L("Close"))),
            ui::toolbarItem("save", ui::button(L("Save"), [self] { self.save(); })
                                        .disabled(!vm->hasTransactionText() || !vm->problems().empty())),
        });
}

} // namespace zt
