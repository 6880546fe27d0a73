#include "TransactionPreviewView.h"

#include "ZTSwiftUIComponents/Location/InsetLocationView.h"
#include "ZTSwiftUIComponents/Location/SearchLocationView.h"
#include "ZTSwiftUIComponents/transactions/ParentRepeatingSectionView.h"
#include "ZTSwiftUIComponents/transactions/TransactionGeneralSectionView.h"
#include "ZTSwiftUIComponents/transactions/TransactionHeaderView.h"
#include "ZTSwiftUIComponents/transactions/TransactionRepeatingSectionView.h"
#include "ZTSwiftUIComponents/transactions/TransactionShortcutSectionView.h"
#include "platform/Console.h"
#include "platform/StringTable.h"

#include <utility>

namespace zt {

struct TransactionPreviewView::State {
    bool isExcludedFromCalculations = false;
    // The place card keeps its map picture; the search what is typed while it is open.
    std::optional<InsetLocationView> placeCard;
    std::optional<SearchLocationView> placeSearch;
    // The last values seen, so only a real change is reported.
    bool hasShortcut = false;
    bool isDynamic = false;
    std::optional<bool> isRepeating;
    std::optional<ReportTransactionList> children;
    std::optional<RepeatingAmountHistorySection> amountHistory;
    std::optional<StopRepeatingView> stop;
    Subscription shortcutChanges, dynamicChanges, childrenChanges, repeatingChanges;
};

TransactionPreviewView::TransactionPreviewView(std::shared_ptr<TransactionPreview2022ViewModel> viewModel,
                                               std::function<void()> onViewTransactionsDidTap,
                                               std::function<void(const std::string&)> onTransactionDidTap,
                                               std::function<ui::View()> attachmentView,
                                               ActionHandler onShouldPerformAction,
                                               std::function<void()> onStopRepeating)
    : viewModel_(std::move(viewModel)), onViewTransactionsDidTap_(std::move(onViewTransactionsDidTap)),
      onTransactionDidTap_(std::move(onTransactionDidTap)), attachmentView_(std::move(attachmentView)),
      onShouldPerformAction_(std::move(onShouldPerformAction)), onStopRepeating_(std::move(onStopRepeating)),
      state_(std::make_shared<State>()) {
    auto& s = *state_;
    const auto& vm = *viewModel_;
    s.isExcludedFromCalculations = vm.transaction() && vm.transaction()->isExcludedFromCalculations();
    s.hasShortcut = vm.hasShortcut();
    s.isDynamic = vm.isDynamic();
    const std::weak_ptr<State> weak = state_;
    const std::weak_ptr<TransactionPreview2022ViewModel> weakVm = viewModel_;
    const auto perform = onShouldPerformAction_;
    const auto send = [perform](const TransactionEditActionType& action) {
        if (perform)
            perform(action);
    };
    s.shortcutChanges = viewModel_->hasShortcut.observe([weak, weakVm, send](const bool& isOn) {
        const auto st = weak.lock();
        const auto model = weakVm.lock();
        if (!st || !model || st->hasShortcut == isOn)
            return;
        st->hasShortcut = isOn;
        send(TransactionEditActionType::shortcutToggle(isOn, model->isDynamic()));
    });
    s.dynamicChanges = viewModel_->isDynamic.observe([weak, send](const bool& isDynamic) {
        const auto st = weak.lock();
        if (!st || st->isDynamic == isDynamic)
            return;
        st->isDynamic = isDynamic;
        send(TransactionEditActionType::shortcutToggle(true, isDynamic));
    });
    if (const auto& series = vm.repeating()) {
        s.isRepeating = series->isRepeating();
        s.children = series->transactions();
        s.childrenChanges =
            series->transactions.observe([weak, send](const std::optional<ReportTransactionList>& list) {
                const auto st = weak.lock();
                if (!st || st->children == list)
                    return;
                st->children = list;
                console("New repeating childred count: " + std::to_string(list ? list->size() : 0));
                send(TransactionEditActionType::plain(
                    TransactionEditActionType::Kind::repeatingChildrenChanged));
            });
        s.repeatingChanges = series->isRepeating.observe(
            [weak, onStop = onStopRepeating_](const std::optional<bool>& isRepeating) {
                const auto st = weak.lock();
                if (!st || st->isRepeating == isRepeating)
                    return;
                st->isRepeating = isRepeating;
                if (isRepeating == false && onStop)
                    onStop();
            });
        s.amountHistory.emplace(
            series->amount(), series->currencyCode(), L("New Amount"),
            [send](double amount) { send(TransactionEditActionType::repeatingAmountChanged(amount)); });
        s.stop.emplace(series);
    }
}

TransactionPreviewView::TransactionPreviewView(std::shared_ptr<TransactionPreview2022ViewModel> viewModel,
                                               std::function<ui::View()> attachmentView)
    : TransactionPreviewView(std::move(viewModel), {}, {}, std::move(attachmentView), {}, {}) {}

std::function<void()> TransactionPreviewView::sender(TransactionEditActionType action) const {
    return [perform = onShouldPerformAction_, action] {
        if (perform)
            perform(action);
    };
}

ui::View TransactionPreviewView::repeatingPart() const {
    const auto& vm = *viewModel_;
    const auto& series = vm.repeating();
    if (!series)
        return ui::group();
    if (const auto& parent = vm.parentTransaction())
        return ParentRepeatingSectionView(parent, series, vm.formatter, onTransactionDidTap_).body();
    std::vector<ui::View> views{
        state_->amountHistory->body(),
        TransactionRepeatingSectionView(series, vm.formatter, L("Repeating Details"),
                                        L("View all repeating transactions"), onViewTransactionsDidTap_)
            .body(),
    };
    if (const auto& children = series->transactions(); children && onTransactionDidTap_) {
        std::vector<ui::View> rows;
        for (const auto& child : *children)
            rows.push_back(ui::button([tap = onTransactionDidTap_, id = child->identifier()] { tap(id); },
                                      {ui::text(DateFormatter::withStyles(DateFormatter::Style::medium)
                                                    .string(child->date())
                                                    .value_or(std::string{})),
                                       ui::spacer(), ui::text(vm.formatter.stringOrDash(child->amount()))})
                               .id("child-" + child->identifier()));
        views.push_back(ui::section(L("Repeating Transactions"), std::move(rows)).id("seriesTransactions"));
    }
    if (series->isRepeating() == true)
        views.push_back(ui::section({state_->stop->body()}));
    return ui::group(std::move(views));
}

ui::View TransactionPreviewView::body() const {
    const auto vm = viewModel_;
    auto& s = *state_;
    const auto& t = *vm->transaction();
    using Kind = TransactionEditActionType::Kind;
    const std::weak_ptr<State> weak = state_;
    const auto perform = onShouldPerformAction_;

    std::vector<ui::View> sections;
    sections.push_back(TransactionHeaderView{
        t.categoryName(), t.categoryImageName(), t.amount(), t.amountOriginalCurrency(), t.currencyCode(),
        sender(TransactionEditActionType::plain(Kind::amount)),
        sender(TransactionEditActionType::plain(Kind::category)), vm->formatter, t.signColor()}
                           .body());
    sections.push_back(repeatingPart());
    sections.push_back(TransactionGeneralSectionView{
        t.date(), t.accountName(), t.categoryName(), t.subcategoryName(), t.payee(), t.descriptionText(),
        DateFormatter::withStyles(DateFormatter::Style::medium, DateFormatter::Style::short_),
        vm->canEditDate(), onShouldPerformAction_}
                           .body());
    sections.push_back(ui::section(
        {ui::toggle(L("Exclude from calculations"), s.isExcludedFromCalculations, [weak, perform](bool isOn) {
             const auto st = weak.lock();
             if (!st || st->isExcludedFromCalculations == isOn)
                 return;
             st->isExcludedFromCalculations = isOn;
             if (perform)
                 perform(TransactionEditActionType::excludeFromCalculation(isOn));
         }).id("excludeFromCalculation")}));
    const std::function<void()> openSearch = [vm] { vm->isLocationModalActive.set(true); };
    const ui::Binding<std::optional<BaseLocation>> place{[vm] { return vm->location(); },
                                                         [vm](const std::optional<BaseLocation>& chosen) {
                                                             vm->setLocation(chosen);
                                                             vm->isLocationModalActive.set(false);
                                                         }};
    if (!s.placeCard)
        s.placeCard.emplace(place, locationServices);
    auto card = *s.placeCard;
    card.onEdit = openSearch;
    sections.push_back(ui::section(L("Location"), {card.body()},
                                   vm->location() ? L("Tap on the map to edit the location") : "")
                           .id("location"));
    sections.push_back(ui::section(L("Attachment"), {attachmentView_ ? attachmentView_() : ui::group()},
                                   L("Accepted files: .pdf, .jpg, .png"))
                           .id("attachment"));
    sections.push_back(TransactionShortcutSectionView{
        L("Smart Shortcuts"), vm->hasShortcut(), vm->isDynamic(), [vm](bool on) { vm->hasShortcut.set(on); },
        [vm](bool on) {
            vm->isDynamic.set(on);
        }}.body());
    sections.push_back(ui::section({ui::button(L("Delete"), [vm] { vm->isDeleteConfirmation.set(true); })
                                        .role(ui::ButtonRole::destructive)
                                        .id("deleteTransaction")}));

    std::vector<ui::View> content{ui::list(std::move(sections))};
    const auto item = [&](const std::string& id, const std::string& title, const std::string& symbol,
                          std::function<void()> action) {
        content.push_back(ui::toolbarItem(id, ui::button(title, symbol, std::move(action))));
    };
    item("editCategory", L("Category"), "folder", sender(TransactionEditActionType::plain(Kind::category)));
    item("editAccount", L("Account"), "building.columns",
         sender(TransactionEditActionType::plain(Kind::account)));
    item("editDate", L("Date"), "calendar", sender(TransactionEditActionType::plain(Kind::date)));
    item("editAmount", L("Amount"), "dollarsign.circle",
         sender(TransactionEditActionType::plain(Kind::amount)));
    item("editLocation", L("Location"), "mappin.and.ellipse", openSearch);
    item("delete", L("Delete"), "trash", [vm] { vm->isDeleteConfirmation.set(true); });
    item("edit", L("Edit"), "", sender(TransactionEditActionType::plain(Kind::edit)));

    content.push_back(
        ui::confirmationDialog(
            L("Are you sure?"), {}, vm->isDeleteConfirmation(),
            [vm](bool shown) { vm->isDeleteConfirmation.set(shown); },
            {ui::button(L("Delete"), sender(TransactionEditActionType::plain(Kind::deleteTransaction)))
                 .role(ui::ButtonRole::destructive),
             ui::button(L("Cancel"), [] {}).role(ui::ButtonRole::cancel)})
            .id("deleteConfirmation"));
    std::vector<ui::View> search;
    if (!vm->isLocationModalActive()) {
        s.placeSearch.reset();
    } else if (placeSearch) {
        search.push_back(placeSearch(place));
    } else {
        if (!s.placeSearch) {
            const auto& current = vm->location();
            s.placeSearch.emplace(place, std::nullopt, locationServices,
                                  current ? current->location : std::optional<Coordinate>{});
            s.placeSearch->dismiss = [vm] { vm->isLocationModalActive.set(false); };
        }
        search.push_back(s.placeSearch->body());
    }
    content.push_back(ui::sheet(
        L("Search Location"), vm->isLocationModalActive(),
        [vm](bool shown) { vm->isLocationModalActive.set(shown); }, std::move(search)));
    return ui::group({ui::navigationTitle(L("Details"), std::move(content))})
        .id("transactionPreviewCustomization");
}

} // namespace zt
