#include "Gallery.h"
#include "mocks/CreditCardDemos.h"
#include "platform/MainQueue.h"

namespace zt::preview {

std::vector<Page> creditCardPages() {
    return {
        {"credit-card-details", "Credit card details",
         [] {
             const CreditCardDemo demo;
             return demo.detailsScreen();
         }},
        {"credit-card-entry", "Credit card sections of the account form",
         [] {
             const CreditCardDemo demo;
             // The reminder status arrives through the main queue, as on a device.
             dynamic_cast<ManualMainQueue&>(MainQueue::main()).drain();
             return demo.entrySections();
         }},
    };
}

} // namespace zt::preview
