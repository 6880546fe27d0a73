#include "Calendar.h"

#include "Environment.h"

namespace zt {

// The ICU-backed operations are still being written; only construction exists so far.
struct Calendar::Impl {
    std::string timeZone;
};

Calendar::Calendar(const std::string& timeZoneIdentifier) : impl_(std::make_unique<Impl>(Impl{timeZoneIdentifier})) {}
Calendar Calendar::current() { return Environment::current().calendar(); }
Calendar::Calendar(const Calendar& other) : impl_(std::make_unique<Impl>(*other.impl_)) {}
Calendar& Calendar::operator=(const Calendar& other) {
    impl_ = std::make_unique<Impl>(*other.impl_);
    return *this;
}
Calendar::Calendar(Calendar&&) noexcept = default;
Calendar& Calendar::operator=(Calendar&&) noexcept = default;
Calendar::~Calendar() = default;
const std::string& Calendar::timeZoneIdentifier() const { return impl_->timeZone; }

} // namespace zt
