#include "LocalSearchService.h"

#include <utility>

namespace zt {

LocalSearchService::LocalSearchService(Coordinate center, std::shared_ptr<LocationServices> services)
    : center(center), search_((services ? services : LocationServices::current())->makeLocalSearch()),
      self_(std::make_shared<LocalSearchService*>(this)) {}

LocalSearchRequest LocalSearchService::request(const std::string& query,
                                               LocalSearchResultTypes resultTypes) const {
    return {.naturalLanguageQuery = query,
            .includesAllPointOfInterestCategories = true,
            .resultTypes = resultTypes,
            .region = {center, 2 * radius, 2 * radius}};
}

void LocalSearchService::cancel() {
    search_->cancel();
}

void LocalSearchService::search(const std::string& query, LocalSearchResultTypes resultTypes) {
    search_->cancel();
    search_->start(request(query, resultTypes), [weak = std::weak_ptr<LocalSearchService*>(self_)](
                                                    const std::optional<std::vector<MapItem>>& items,
                                                    const std::optional<LocationServiceError>&) {
        const auto self = weak.lock();
        if (self && items)
            (*self)->localSearchPublisher.notify(*items);
    });
}

} // namespace zt
