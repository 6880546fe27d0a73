#include "Gallery.h"
#include "mocks/CreditCardDemos.h"

#include <memory>

namespace zt::preview {

std::vector<Page> creditCardPages() {
    return {
        {"credit-card-details", "Credit card details",
         [](PageContext&) -> Screen {
             auto demo = std::make_shared<const CreditCardDemo>();
             return [demo] { return demo->detailsScreen(); };
         }},
        {"credit-card-entry", "Credit card sections of the account form",
         [](PageContext&) -> Screen {
             // The reminder status arrives through the main queue, as on a device; the gallery
             // draws the page again once it has.
             auto demo = std::make_shared<const CreditCardDemo>();
             return [demo] { return demo->entrySections(); };
         }},
    };
}

} // namespace zt::preview
