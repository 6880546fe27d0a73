#include "Gallery.h"
#include "GalleryHost.h"
#include "ZTSwiftUIComponents/Location/InlineLocationView.h"
#include "ZTSwiftUIComponents/Location/InsetLocationView.h"
#include "ZTSwiftUIComponents/Location/SearchLocationView.h"
#include "ZTSwiftUIComponents/host/CurrencyFormatting.h"
#include "ZTSwiftUIComponents/host/ReportTransaction.h"
#include "ZTSwiftUIComponents/host/ZTBaseRepeating.h"
#include "ZTSwiftUIComponents/host/ZTMoneyCalculator.h"
#include "ZTSwiftUIComponents/overview/NewOverviewScreen2024.h"
#include "ZTSwiftUIComponents/transactions/CalculatorBarView.h"
#include "ZTSwiftUIComponents/transactions/EditChildRepeatingTransactionButton.h"
#include "ZTSwiftUIComponents/transactions/ExchangeRateButton.h"
#include "ZTSwiftUIComponents/transactions/MarkAsTransferScreen.h"
#include "ZTSwiftUIComponents/transactions/NewQuickEntryScreen.h"
#include "ZTSwiftUIComponents/transactions/ParentRepeatingSectionView.h"
#include "ZTSwiftUIComponents/transactions/RepeatTransactionsBankingView.h"
#include "ZTSwiftUIComponents/transactions/RepeatTransactionsModalView.h"
#include "ZTSwiftUIComponents/transactions/RepeatingAmountHistorySection.h"
#include "ZTSwiftUIComponents/transactions/StopRepeatingView.h"
#include "ZTSwiftUIComponents/transactions/TransactionDescriptionView.h"
#include "ZTSwiftUIComponents/transactions/TransactionEntryContainerScreen.h"
#include "ZTSwiftUIComponents/transactions/TransactionPreviewView.h"
#include "ZTSwiftUIComponents/transactions/TransactionRepeatingSectionView.h"
#include "mocks/DemoClock.h"
#include "mocks/DemoPlaces.h"
#include "mocks/LoadedOverview.h"
#include "mocks/MockCategoryPicker.h"
#include "mocks/MockDatabase.h"
#include "mocks/MockSyncManager.h"
#include "mocks/MockTagDatabase.h"
#include "mocks/MockTransactionEntryViewModel.h"
#include "platform/StringTable.h"

#include <memory>
#include <optional>
#include <utility>

namespace zt::preview {

namespace {

std::shared_ptr<TransactionEntryContainerScreen>
entryScreen(std::shared_ptr<TransactionEntryContainerViewModel> vm) {
    // A demo device in Berlin that has not been asked for its position yet: the place row asks.
    vm->locationManager = std::make_shared<LocationManager>(
        vm->locationManager ? vm->locationManager->selectedLocation() : std::nullopt,
        demo::makeDemoLocationServices(LocationAuthorizationStatus::notDetermined));
    auto screen = std::make_shared<TransactionEntryContainerScreen>(
        vm, nullptr, [vm] { return MockCategoryPicker(vm).body(); },
        TransactionEntryContainerScreen::ViewBuilder{},
        TransactionEntryContainerScreen::AccountEntryBuilder{}, std::function<void()>{});
    screen->onAppear();
    return screen;
}

// The overview's add button opens a new entry; saving stores it in the overview's database, closes
// the entry and the overview shows the new figures.
Screen addTransactionPage(PageContext& context) {
    auto database = galleryOverviewDatabase();
    const auto overview = std::make_shared<const NewOverviewScreen2024>(settled([&](ManualMainQueue& queue) {
        return makeLoadedOverviewScreen(database, std::make_shared<MockSyncManager>(), queue, context.router);
    }));
    NavigationRouter& router = context.router;
    const auto entry = std::make_shared<std::shared_ptr<TransactionEntryContainerScreen>>();
    auto opened = std::make_shared<Subscription>(router.modalDestination.observe(
        [&router, database, weak = std::weak_ptr(entry)](const auto& destination) {
            const auto slot = weak.lock();
            if (!slot)
                return;
            if (destination != ModalDestination::newTransaction) {
                slot->reset();
                return;
            }
            *slot = entryScreen(galleryEntryViewModel(database, TransactionType::expense));
            (*slot)->dismiss = [&router] { router.dismissModal(); };
        }));
    return [overview, entry, opened, &router] {
        const auto& screen = *entry;
        return ui::group({
            overview->body(),
            ui::sheet(
                L("New Transaction"), screen != nullptr,
                [&router](bool presented) {
                    if (!presented)
                        router.dismissModal();
                },
                screen ? std::vector{screen->body()} : std::vector<ui::View>{})
                .id("newTransaction"),
        });
    };
}

// Quick entry over the overview: a line saved there lands in the overview's database, and the
// overview below shows the new figures.
Screen quickEntryPage(PageContext& context) {
    auto database = galleryOverviewDatabase();
    const auto overview = std::make_shared<const NewOverviewScreen2024>(settled([&](ManualMainQueue& queue) {
        return makeLoadedOverviewScreen(database, std::make_shared<MockSyncManager>(), queue, context.router);
    }));
    const auto presented = std::make_shared<bool>(true);
    auto screen = std::make_shared<NewQuickEntryScreen>(galleryQuickEntryViewModel(database), context.router);
    screen->dismiss = [weak = std::weak_ptr<bool>(presented)] {
        if (const auto shown = weak.lock())
            *shown = false;
    };
    return [overview, presented, screen] {
        return ui::group({
            ui::button(L("Quick Entry"), "bolt.circle.fill", [presented] { *presented = true; })
                .id("openQuickEntry"),
            ui::sheet(
                L("Quick Entry"), *presented, [presented](bool shown) { *presented = shown; },
                *presented ? std::vector{screen->body()} : std::vector<ui::View>{})
                .id("quickEntrySheet"),
            overview->body(),
        });
    };
}

Screen newExpensePage(PageContext&) {
    const auto screen =
        entryScreen(galleryEntryViewModel(galleryOverviewDatabase(), TransactionType::expense));
    return [screen] { return screen->body(); };
}

Screen newTransferPage(PageContext&) {
    auto vm = galleryEntryViewModel(galleryOverviewDatabase(), TransactionType::transferSource);
    const auto& accounts = vm->accounts();
    for (const auto& account : accounts) {
        if (account.currencyCode == "EUR")
            vm->setSelectedAccount(account);
        else if (!vm->selectedReceiverAccount())
            vm->selectedReceiverAccount.set(account);
    }
    const auto screen = entryScreen(vm);
    vm->amountText.set("100"); // typed: the demo model fills in what arrives
    return [screen] { return screen->body(); };
}

Screen calculatorBarPage(PageContext&) {
    const auto text = std::make_shared<std::string>("12" + ZTMoneyCalculator().decimalSeparator() + "5+3");
    const ui::Binding<std::string> binding([text] { return *text; },
                                           [text](std::string value) { *text = value; });
    const CalculatorBarView withOperators(binding, true, {});
    const CalculatorBarView saveOnly(binding, false, {});
    return [text, binding, withOperators, saveOnly] {
        return ui::vstack(
            {ui::textField(L("Amount"), *text, [binding](const std::string& typed) { binding.set(typed); }),
             withOperators.body(), saveOnly.body()});
    };
}

ReportTransactionList streamingPlan() {
    ReportTransactionList plan;
    for (const auto& t : ReportTransaction::demo(mocks::demoNow()))
        if (t->payee() == "StreamBox")
            plan.push_back(t);
    return plan;
}

Screen repeatingPage(PageContext&) {
    const auto now = Environment::current().now();
    auto manual = std::make_shared<RepeatTransactionsModalViewModel>(
        true, RepeatingInterval::monthly, now, RepeatTransactionsModalViewModel::foreverDate, false, false);
    auto banking = std::make_shared<RepeatTransactionsModalViewModel>(
        true, RepeatingInterval::monthly, now, RepeatTransactionsModalViewModel::foreverDate, false, true);
    const auto plan = streamingPlan();
    banking->suggestedOccurrences.set(plan);
    banking->suggestedInterval.set(RepeatingInterval::monthly);
    auto series = std::make_shared<ZTBaseRepeating>(
        "series-streaming", RepeatingInterval::monthly, plan.empty() ? now : plan.back()->date(),
        std::nullopt, plan.empty() ? 12.99 : plan.front()->amount(), std::nullopt, plan);
    const auto formatter = makeAppBasedCurrencyFormatter();
    const RepeatingAmountHistorySection history(series->amount(), std::nullopt, L("New Amount"),
                                                [series](double amount) { series->amount.set(amount); });
    const StopRepeatingView stop(series);
    const EditChildRepeatingTransactionButton children(series);
    return [manual, banking, series, formatter, history, stop, children, plan] {
        return ui::vstack({
            RepeatTransactionsModalView(manual, {}).body(),
            RepeatTransactionsBankingView(banking, formatter, {}).body(),
            ui::list({
                history.body(),
                TransactionRepeatingSectionView(series, formatter, L("Repeating Details"),
                                                L("Repeating Transactions"), {})
                    .body(),
                plan.empty() ? ui::group()
                             : ParentRepeatingSectionView(plan.back(), series, formatter, {}).body(),
                ui::section({children.body(), stop.body()}),
            }),
        });
    };
}

Screen exchangeRatePage(PageContext&) {
    const auto rate = std::make_shared<std::optional<ExchangeRate>>(ExchangeRate::make("EUR", "USD", 1.09));
    const ExchangeRateButton button(
        ui::Binding<std::optional<ExchangeRate>>{
            [rate] { return *rate; },
            [rate](std::optional<ExchangeRate> value) { *rate = std::move(value); }},
        25, makeCurrencyFormatter("USD"));
    return [rate, button] { return button.body(); };
}

// The description editor over the demo stores; started with -isGenerateAIButtonVisible it also
// offers the host's text generation, which here fills in an example.
Screen descriptionPage(PageContext&) {
    const auto vm = std::make_shared<TransactionDescriptionViewModel>(std::string{});
    auto view = std::make_shared<TransactionDescriptionView>(
        vm, std::function<void()>{}, std::make_shared<MockDatabase>(), std::make_shared<MockTagDatabase>());
    view->onGenerateDescription = [vm] { vm->descriptionText.set(L("Weekly groceries at the market")); };
    return [view] { return view->body(); };
}

Screen tagListPage(PageContext&) {
    const TagListView list(std::make_shared<TagListViewModel>(std::make_shared<MockTagDatabase>()));
    return [list] { return list.body(); };
}

Screen payeeListPage(PageContext&) {
    const PayeeListView list(std::make_shared<PayeeListViewModel>(std::make_shared<MockDatabase>()));
    return [list] { return list.body(); };
}

// The main transaction of the demo's streaming series; each wish the screen sends is listed under
// it, as the host would receive it.
Screen transactionDetailsPage(PageContext&) {
    const auto plan = streamingPlan();
    auto series = std::make_shared<ZTBaseRepeating>(
        "series-streaming", RepeatingInterval::monthly,
        plan.empty() ? Environment::current().now() : plan.back()->date(), std::nullopt,
        plan.empty() ? 12.99 : plan.front()->amount(), std::nullopt, plan);
    const auto main = plan.empty() ? ReportTransaction::demo(mocks::demoNow()).front() : plan.back();
    auto vm = std::make_shared<TransactionPreview2022ViewModel>(
        main, nullptr, series, std::nullopt, true, false, [](const std::optional<BaseLocation>&) {},
        makeAppBasedCurrencyFormatter());
    vm->setLocation(BaseLocation::from(demo::demoPlaces()[14])); // a shop near the demo user
    const auto sent = std::make_shared<std::vector<std::string>>();
    TransactionPreviewView view(
        vm, [sent] { sent->push_back("view all"); },
        [sent](const std::string& id) { sent->push_back("open " + id); }, [] { return ui::text(L("None")); },
        [sent](const TransactionEditActionType& action) { sent->push_back(action.description()); },
        [sent] { sent->push_back("stopped"); });
    view.locationServices = demo::makeDemoLocationServices();
    return [view, sent] {
        std::vector<ui::View> lines;
        for (const auto& line : *sent)
            lines.push_back(ui::text(line).font(ui::Font::caption));
        return ui::vstack({view.body(), ui::vstack(std::move(lines)).id("sentActions")});
    };
}

// The place row of an entry on its own: tapping it asks for access, then the demo user's place
// fills in; the sheet searches real places around Berlin's centre.
Screen placeRowPage(PageContext&) {
    const auto manager = std::make_shared<LocationManager>(
        std::nullopt, demo::makeDemoLocationServices(LocationAuthorizationStatus::notDetermined));
    const InlineLocationView row(manager, [] { return true; });
    return [manager, row] { return ui::list({ui::section(L("Location"), {row.body()})}); };
}

// The search as it opens from Hackescher Markt: type "cafe", "bakery" or a name.
Screen placeSearchPage(PageContext&) {
    const auto chosen = std::make_shared<std::optional<BaseLocation>>();
    SearchLocationView search(
        ui::Binding<std::optional<BaseLocation>>{
            [chosen] { return *chosen; }, [chosen](const std::optional<BaseLocation>& p) { *chosen = p; }},
        BaseLocation::from(demo::demoPlaces().front()), demo::makeDemoLocationServices());
    search.viewModel()->setPoiText("cafe");
    return [search, chosen] {
        return ui::vstack(
            {search.body(),
             ui::text(*chosen ? (*chosen)->name : L("None")).font(ui::Font::caption).id("chosenPlace")});
    };
}

// The card of a chosen place with its map picture.
Screen placeCardPage(PageContext&) {
    const auto place =
        std::make_shared<std::optional<BaseLocation>>(BaseLocation::from(demo::demoPlaces()[5]));
    const auto services = demo::makeDemoLocationServices();
    AddLocationMediumSheetView sheet{InsetLocationView(
        ui::Binding<std::optional<BaseLocation>>{
            [place] { return *place; }, [place](const std::optional<BaseLocation>& p) { *place = p; }},
        services)};
    return [sheet, place] { return sheet.body(); };
}

Screen markAsTransferPage(PageContext&) {
    auto demo = ReportTransaction::demo(mocks::demoNow());
    const auto transaction = demo.front();
    demo.erase(demo.begin());
    const auto chosen = std::make_shared<std::string>();
    const MarkAsTransferScreen screen(
        transaction, demo,
        [chosen](const std::shared_ptr<ReportTransaction>& t) { *chosen = t->identifier(); });
    return [screen, chosen] {
        return ui::vstack({screen.body(), ui::text(*chosen).font(ui::Font::caption).id("chosenCounterpart")});
    };
}

} // namespace

std::vector<Page> transactionPages() {
    return {
        {"add-transaction", "Overview: add a transaction", addTransactionPage},
        {"quick-entry", "Overview: quick entry", quickEntryPage},
        {"new-expense", "New expense", newExpensePage},
        {"new-transfer", "New transfer between currencies", newTransferPage},
        {"calculator-bar", "Calculator bar", calculatorBarPage},
        {"repeating", "Repeating transactions", repeatingPage},
        {"exchange-rate", "Exchange rate", exchangeRatePage},
        {"description", "Description, payee and tags", descriptionPage},
        {"tags", "Tags", tagListPage},
        {"payees", "Payees", payeeListPage},
        {"transaction-details", "Details of a repeating transaction", transactionDetailsPage},
        {"mark-as-transfer", "Mark as Transfer", markAsTransferPage},
        {"place-row", "Place of a transaction", placeRowPage},
        {"place-search", "Place search", placeSearchPage},
        {"place-card", "Place card", placeCardPage},
    };
}

} // namespace zt::preview
