#include "Gallery.h"
#include "mocks/CreditCardDemos.h"
#include "platform/InMemoryNotificationCenter.h"

#include <memory>

namespace zt::preview {

namespace {

/// The demo user has allowed notifications, so the reminder list opens at the first tap.
std::shared_ptr<const CreditCardDemo> demo() {
    return std::make_shared<const CreditCardDemo>(
        mocks::demoNow(),
        std::make_shared<InMemoryNotificationCenter>(NotificationAuthorizationStatus::authorized));
}

} // namespace

std::vector<Page> creditCardPages() {
    return {
        {"credit-card-details", "Credit card details",
         [](PageContext&) -> Screen {
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
