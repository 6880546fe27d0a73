#include "Gallery.h"
#include "GalleryHost.h"
#include "ZTSwiftUIComponents/creditcards/CreditCardDetailCardView.h"
#include "ZTSwiftUIComponents/creditcards/CreditCardDetailsView.h"
#include "ZTSwiftUIComponents/host/CurrencyFormatting.h"
#include "host-sqlite/HostCreditCards.h"
#include "mocks/CreditCardDemos.h"
#include "platform/Console.h"

#include <memory>

namespace zt::preview {

namespace {

/// The demo card, in memory.
std::shared_ptr<const CreditCardDemo> demo() {
    return std::make_shared<const CreditCardDemo>(mocks::demoNow(), galleryNotificationCenter());
}

/// The first card of the database file with its statements; none without a file or a card (a
/// file seeded before cards were).
std::optional<Screen> storedCardScreen() {
    const auto database = galleryDatabase();
    if (!database)
        return std::nullopt;
    const auto cards = std::make_shared<HostCreditCards>(database, galleryNotificationCenter());
    for (const auto& account : database->accounts()) {
        if (account.type != AccountType::creditCard)
            continue;
        const auto details = cards->details(account);
        if (!details)
            continue;
        const auto code = account.currencyCode.value_or(appCurrencyCode());
        const CreditCardDetailCardView card(account.name, account.accountCurrencyBalance(),
                                            details->limit()(), makeCurrencyFormatter(code),
                                            details->iconName(), details->accountColor());
        const auto screen = std::make_shared<const CreditCardDetailsView>(
            details, code, mocks::demoNow(), [] { console("Make a payment"); },
            [](std::optional<DateInterval>, bool, bool) { console("View transactions"); },
            [cards, id = account.id](const DateInterval& interval) {
                return cards->transactionCount(id, interval);
            });
        return [card, screen] { return ui::group({card.body(), screen->body()}); };
    }
    return std::nullopt;
}

} // namespace

std::vector<Page> creditCardPages() {
    return {
        {"credit-card-details", "Credit card details",
         [](PageContext&) -> Screen {
             if (auto stored = storedCardScreen())
                 return *stored;
             auto demo = preview::demo();
             return [demo] { return demo->detailsScreen(); };
         }},
        {"credit-card-entry", "Credit card sections of the account form",
         [](PageContext&) -> Screen {
             // The reminder status arrives through the main queue, as on a device; the gallery
             // draws the page again once it has.
             auto demo = preview::demo();
             return [demo] { return demo->entrySections(); };
         }},
    };
}

} // namespace zt::preview
