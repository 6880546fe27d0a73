#pragma once

#include "platform/LocationServices.h"
#include "platform/Published.h"

#include <memory>
#include <string>
#include <vector>

namespace zt {

/// Searches the map for places around a centre and publishes what it finds. A failed search
/// publishes nothing; a new search ends the one in flight, so results of an older text never
/// arrive after those of a newer one. Main thread.
class LocalSearchService {
public:
    /// How far the search reaches in every direction, in metres.
    static constexpr double defaultRadius = 5000;

    explicit LocalSearchService(Coordinate center,
                                std::shared_ptr<LocationServices> services = LocationServices::current());
    LocalSearchService(const LocalSearchService&) = delete;
    LocalSearchService& operator=(const LocalSearchService&) = delete;

    /// The found places of each search, in the service's order.
    Signal<std::vector<MapItem>> localSearchPublisher;
    Coordinate center;
    double radius = defaultRadius;

    void search(const std::string& query, LocalSearchResultTypes resultTypes);
    /// Ends the search in flight; it publishes nothing.
    void cancel();
    /// What search() asks the map for.
    LocalSearchRequest request(const std::string& query, LocalSearchResultTypes resultTypes) const;

private:
    std::shared_ptr<LocalSearch> search_;
    // Answers hold this weakly: one arriving after the service is gone does nothing.
    std::shared_ptr<LocalSearchService*> self_;
};

} // namespace zt
