#include "NavigationRouter.h"

#include "platform/MainQueue.h"

namespace zt {

NavigationRouter& NavigationRouter::shared() {
    static NavigationRouter router;
    return router;
}

void NavigationRouter::dismissModal() {
    modalDestination.set(std::nullopt);
    overviewModalAction.set(std::nullopt);
}

void NavigationRouter::present(AlertItem alert) {
    const std::string id = alert.id;
    const double duration = alert.duration;
    alertItem.set(std::move(alert));
    // The token tells the delayed work whether this router still exists.
    MainQueue::main().asyncAfter(duration, [this, id, alive = std::weak_ptr<const int>(lifetime_)] {
        if (alive.expired())
            return;
        if (alertItem() && alertItem()->id == id)
            alertItem.set(std::nullopt);
    });
}

} // namespace zt
