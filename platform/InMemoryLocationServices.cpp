#include "InMemoryLocationServices.h"

#include "platform/Environment.h"
#include "platform/MainQueue.h"
#include "platform/TextFolding.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <numbers>
#include <sstream>
#include <utility>

namespace zt {

namespace {

class MemoryLocationProvider;

void postLocationAnswer(std::function<void()> work) {
    Environment::current().mainQueue().async(std::move(work));
}

LocationServiceError locationCancellationError() {
    return {"The operation was cancelled.", true};
}

bool isAuthorizedLocationStatus(LocationAuthorizationStatus status) {
    return status == LocationAuthorizationStatus::authorizedWhenInUse ||
           status == LocationAuthorizationStatus::authorizedAlways;
}

// The words of a text, folded, split at anything that is neither letter nor digit (ASCII
// punctuation and spaces; folded non-ASCII letters stay inside words).
std::vector<std::string> foldedPlaceWords(std::string_view text) {
    std::vector<std::string> words;
    std::string word;
    for (const char c : foldedForSearch(text)) {
        const auto u = static_cast<unsigned char>(c);
        if (u >= 0x80 || std::isalnum(u)) {
            word += c;
        } else if (!word.empty()) {
            words.push_back(std::move(word));
            word.clear();
        }
    }
    if (!word.empty())
        words.push_back(std::move(word));
    return words;
}

} // namespace

struct InMemoryLocationServices::World {
    std::vector<MapItem> places;
    LocationAuthorizationStatus status = LocationAuthorizationStatus::notDetermined;
    std::optional<Coordinate> position;
    RequestOutcome outcome = RequestOutcome::grant;
    std::optional<LocationServiceError> searchFailure, geocodingFailure, snapshotFailure;
    std::size_t prompts = 0, settingsOpens = 0, geocodingRequests = 0;
    std::vector<LocalSearchRequest> searches;
    std::vector<std::weak_ptr<MemoryLocationProvider>> providers;

    template <class F> void forEachProvider(F f);
};

namespace {

class MemoryLocationProvider : public LocationProvider,
                               public std::enable_shared_from_this<MemoryLocationProvider> {
public:
    explicit MemoryLocationProvider(std::weak_ptr<InMemoryLocationServices::World> world)
        : world_(std::move(world)) {}

    LocationAuthorizationStatus authorizationStatus() const override {
        const auto world = world_.lock();
        return world ? world->status : LocationAuthorizationStatus::restricted;
    }

    void requestWhenInUseAuthorization() override {
        const auto world = world_.lock();
        if (!world || world->status != LocationAuthorizationStatus::notDetermined)
            return;
        ++world->prompts;
        world->status = world->outcome == InMemoryLocationServices::RequestOutcome::grant
                            ? LocationAuthorizationStatus::authorizedWhenInUse
                            : LocationAuthorizationStatus::denied;
        world->forEachProvider([](MemoryLocationProvider& p) { p.announceAuthorization(); });
    }

    void startUpdatingLocation() override {
        updating_ = true;
        const auto world = world_.lock();
        if (!world)
            return;
        if (!isAuthorizedLocationStatus(world->status))
            post([](MemoryLocationProvider& p) {
                if (p.onFailure)
                    p.onFailure({"Location access is not allowed.", false});
            });
        else if (world->position)
            announceLocations({*world->position});
    }

    void stopUpdatingLocation() override { updating_ = false; }
    bool isUpdatingLocation() const override { return updating_; }

    void announceAuthorization() {
        post([](MemoryLocationProvider& p) {
            if (p.onAuthorizationChange)
                p.onAuthorizationChange();
        });
    }

    // Like the platform, an update already on its way is delivered even if updates stop
    // meanwhile.
    void announceLocations(std::vector<Coordinate> locations) {
        if (!updating_)
            return;
        post([locations = std::move(locations)](MemoryLocationProvider& p) {
            if (p.onLocationsUpdate)
                p.onLocationsUpdate(locations);
        });
    }

private:
    template <class F> void post(F f) {
        postLocationAnswer([weak = weak_from_this(), f = std::move(f)] {
            if (const auto self = weak.lock())
                f(*self);
        });
    }

    std::weak_ptr<InMemoryLocationServices::World> world_;
    bool updating_ = false;
};

// One request at a time, answered later on the main queue; a new request, or cancel(), ends the
// one in flight, whose completion then runs with a cancellation.
template <class Self, class Completion> class MemoryRequestSlot : public std::enable_shared_from_this<Self> {
public:
    explicit MemoryRequestSlot(std::weak_ptr<InMemoryLocationServices::World> world)
        : world_(std::move(world)) {}

protected:
    bool hasPendingRequest() const { return static_cast<bool>(pending_); }

    void endPendingRequest() {
        if (!pending_)
            return;
        ++generation_;
        postLocationAnswer(
            [completion = std::exchange(pending_, {})] { completion({}, locationCancellationError()); });
    }

    // answer(self, completion) runs later unless the request was ended meanwhile.
    template <class Answer> void beginRequest(Completion completion, Answer answer) {
        endPendingRequest();
        pending_ = std::move(completion);
        const auto ticket = ++generation_;
        postLocationAnswer([weak = this->weak_from_this(), ticket, answer = std::move(answer)] {
            const auto self = weak.lock();
            if (!self)
                return;
            MemoryRequestSlot& slot = *self;
            if (slot.generation_ != ticket || !slot.pending_)
                return;
            answer(*self, std::exchange(slot.pending_, {}));
        });
    }

    std::weak_ptr<InMemoryLocationServices::World> world_;

private:
    Completion pending_;
    std::uint64_t generation_ = 0;
};

class MemoryGeocoder : public Geocoder, public MemoryRequestSlot<MemoryGeocoder, Geocoder::Completion> {
public:
    using MemoryRequestSlot::MemoryRequestSlot;

    void reverseGeocodeLocation(const Coordinate& location, Completion completion) override {
        if (const auto world = world_.lock())
            ++world->geocodingRequests;
        beginRequest(std::move(completion), [location](MemoryGeocoder& self, const Completion& done) {
            const auto [placemarks, error] = self.answer(location);
            done(placemarks, error);
        });
    }

    void cancelGeocode() override { endPendingRequest(); }
    bool isGeocoding() const override { return hasPendingRequest(); }

private:
    std::pair<std::vector<Placemark>, std::optional<LocationServiceError>>
    answer(const Coordinate& location) const {
        const auto world = world_.lock();
        if (!world)
            return {{}, LocationServiceError{"The location service is gone.", false}};
        if (world->geocodingFailure)
            return {{}, world->geocodingFailure};
        const MapItem* nearest = nullptr;
        double nearestDistance = InMemoryLocationServices::geocodingRadius;
        for (const auto& place : world->places)
            if (place.placemark.location) {
                const double d = place.placemark.location->distance(location);
                if (d <= nearestDistance) {
                    nearest = &place;
                    nearestDistance = d;
                }
            }
        if (!nearest)
            return {{}, LocationServiceError{"No address is known for this position.", false}};
        return {{nearest->placemark}, std::nullopt};
    }
};

class MemoryLocalSearch : public LocalSearch,
                          public MemoryRequestSlot<MemoryLocalSearch, LocalSearch::Completion> {
public:
    using MemoryRequestSlot::MemoryRequestSlot;

    void start(const LocalSearchRequest& request, Completion completion) override {
        if (const auto world = world_.lock())
            world->searches.push_back(request);
        beginRequest(std::move(completion), [request](MemoryLocalSearch& self, const Completion& done) {
            const auto world = self.world_.lock();
            if (!world)
                done(std::nullopt, LocationServiceError{"The location service is gone.", false});
            else if (world->searchFailure)
                done(std::nullopt, world->searchFailure);
            else if (foldedPlaceWords(request.naturalLanguageQuery).empty())
                done(std::nullopt, LocationServiceError{"The search has no query.", false});
            else
                done(matchingPlaces(world->places, request), std::nullopt);
        });
    }

    void cancel() override { endPendingRequest(); }
};

// A plain map: paper, a street grid that stays put as the region moves, the known places as dots.
std::string drawPlainMap(const MapSnapshot& snapshot, const std::vector<MapItem>& places) {
    const auto& o = snapshot.options();
    std::ostringstream out;
    out << "<rect width=\"" << o.width << "\" height=\"" << o.height << "\" fill=\"#eef0e6\"/>";
    // Streets every 0.002° of latitude and 0.003° of longitude, about 200 m apart here.
    const double halfLat = o.region.latitudinalMeters / 2 / 111195.0;
    const double cosLat = std::max(std::cos(o.region.center.latitude * std::numbers::pi / 180), 0.01);
    const double halfLon = o.region.longitudinalMeters / 2 / (111195.0 * cosLat);
    out << "<g stroke=\"#ffffff\" stroke-width=\"3\">";
    for (double lat = std::ceil((o.region.center.latitude - halfLat) / 0.002) * 0.002;
         lat <= o.region.center.latitude + halfLat; lat += 0.002) {
        const double y = snapshot.point({lat, o.region.center.longitude}).y;
        out << "<line x1=\"0\" x2=\"" << o.width << "\" y1=\"" << y << "\" y2=\"" << y << "\"/>";
    }
    for (double lon = std::ceil((o.region.center.longitude - halfLon) / 0.003) * 0.003;
         lon <= o.region.center.longitude + halfLon; lon += 0.003) {
        const double x = snapshot.point({o.region.center.latitude, lon}).x;
        out << "<line y1=\"0\" y2=\"" << o.height << "\" x1=\"" << x << "\" x2=\"" << x << "\"/>";
    }
    out << "</g><g fill=\"#9aa59a\">";
    for (const auto& place : places)
        if (place.placemark.location && o.region.contains(*place.placemark.location)) {
            const auto p = snapshot.point(*place.placemark.location);
            out << "<circle cx=\"" << p.x << "\" cy=\"" << p.y << "\" r=\"3\"/>";
        }
    out << "</g>";
    return out.str();
}

class MemoryMapSnapshotter : public MapSnapshotter,
                             public MemoryRequestSlot<MemoryMapSnapshotter, MapSnapshotter::Completion> {
public:
    using MemoryRequestSlot::MemoryRequestSlot;

    void start(const MapSnapshotOptions& options, Completion completion) override {
        beginRequest(std::move(completion), [options](MemoryMapSnapshotter& self, const Completion& done) {
            const auto world = self.world_.lock();
            if (!world)
                return done(std::nullopt, LocationServiceError{"The location service is gone.", false});
            if (world->snapshotFailure)
                return done(std::nullopt, world->snapshotFailure);
            if (!(options.width > 0 && options.height > 0))
                return done(std::nullopt, LocationServiceError{"The picture has no size.", false});
            const MapSnapshot blank(options, {});
            done(MapSnapshot(options, drawPlainMap(blank, world->places)), std::nullopt);
        });
    }

    void cancel() override { endPendingRequest(); }
};

} // namespace

template <class F> void InMemoryLocationServices::World::forEachProvider(F f) {
    std::erase_if(providers, [](const auto& weak) { return weak.expired(); });
    for (const auto& weak : providers)
        if (const auto provider = weak.lock())
            f(*provider);
}

InMemoryLocationServices::InMemoryLocationServices(std::vector<MapItem> places,
                                                   LocationAuthorizationStatus status,
                                                   std::optional<Coordinate> devicePosition)
    : world_(std::make_shared<World>()) {
    world_->places = std::move(places);
    world_->status = status;
    world_->position = devicePosition;
}

InMemoryLocationServices::~InMemoryLocationServices() = default;

std::shared_ptr<LocationProvider> InMemoryLocationServices::makeLocationProvider() {
    auto provider = std::make_shared<MemoryLocationProvider>(world_);
    world_->providers.push_back(provider);
    return provider;
}

std::shared_ptr<Geocoder> InMemoryLocationServices::makeGeocoder() {
    return std::make_shared<MemoryGeocoder>(world_);
}

std::shared_ptr<LocalSearch> InMemoryLocationServices::makeLocalSearch() {
    return std::make_shared<MemoryLocalSearch>(world_);
}

std::shared_ptr<MapSnapshotter> InMemoryLocationServices::makeMapSnapshotter() {
    return std::make_shared<MemoryMapSnapshotter>(world_);
}

void InMemoryLocationServices::openApplicationSettings() {
    ++world_->settingsOpens;
}

const std::vector<MapItem>& InMemoryLocationServices::places() const {
    return world_->places;
}

LocationAuthorizationStatus InMemoryLocationServices::authorizationStatus() const {
    return world_->status;
}

void InMemoryLocationServices::setAuthorizationStatus(LocationAuthorizationStatus status) {
    world_->status = status;
    world_->forEachProvider([](MemoryLocationProvider& p) { p.announceAuthorization(); });
}

void InMemoryLocationServices::setRequestOutcome(RequestOutcome outcome) {
    world_->outcome = outcome;
}

void InMemoryLocationServices::setDevicePosition(std::optional<Coordinate> position) {
    world_->position = position;
    if (position)
        deliverUpdate({*position});
}

void InMemoryLocationServices::deliverUpdate(std::vector<Coordinate> locations) {
    world_->forEachProvider([&](MemoryLocationProvider& p) { p.announceLocations(locations); });
}

std::size_t InMemoryLocationServices::updatingProviderCount() const {
    std::size_t count = 0;
    world_->forEachProvider([&](MemoryLocationProvider& p) { count += p.isUpdatingLocation() ? 1 : 0; });
    return count;
}

void InMemoryLocationServices::setSearchFailure(std::optional<LocationServiceError> error) {
    world_->searchFailure = std::move(error);
}

void InMemoryLocationServices::setGeocodingFailure(std::optional<LocationServiceError> error) {
    world_->geocodingFailure = std::move(error);
}

void InMemoryLocationServices::setSnapshotFailure(std::optional<LocationServiceError> error) {
    world_->snapshotFailure = std::move(error);
}

std::size_t InMemoryLocationServices::promptCount() const {
    return world_->prompts;
}

std::size_t InMemoryLocationServices::settingsOpenCount() const {
    return world_->settingsOpens;
}

const std::vector<LocalSearchRequest>& InMemoryLocationServices::searchRequests() const {
    return world_->searches;
}

std::size_t InMemoryLocationServices::geocodingRequestCount() const {
    return world_->geocodingRequests;
}

std::vector<MapItem> matchingPlaces(const std::vector<MapItem>& places, const LocalSearchRequest& request) {
    const auto query = foldedPlaceWords(request.naturalLanguageQuery);
    std::vector<MapItem> found;
    if (query.empty())
        return found;
    for (const auto& place : places) {
        const bool isPointOfInterest = place.pointOfInterestCategory.has_value();
        if (isPointOfInterest ? !request.resultTypes.pointOfInterest : !request.resultTypes.address)
            continue;
        if (!place.placemark.location || !request.region.contains(*place.placemark.location))
            continue;
        const auto words = foldedPlaceWords(place.name + ' ' + place.pointOfInterestCategory.value_or("") +
                                            ' ' + place.placemark.addressLine);
        const bool matches = std::all_of(query.begin(), query.end(), [&](const std::string& q) {
            return std::any_of(words.begin(), words.end(),
                               [&](const std::string& w) { return w.starts_with(q); });
        });
        if (matches)
            found.push_back(place);
    }
    return found;
}

} // namespace zt
