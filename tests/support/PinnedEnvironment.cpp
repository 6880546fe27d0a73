#include "PinnedEnvironment.h"

#include <stdexcept>

namespace zt::test {

Date at(int year, int month, int day, int hour, int minute, int second, const std::string& zone) {
    const auto date = Calendar(zone).date(year, month, day, hour, minute, second);
    if (!date)
        throw std::invalid_argument("no such wall-clock time in " + zone);
    return *date;
}

PinnedEnvironment::PinnedEnvironment(Options options)
    : environment({.locale = std::move(options.locale),
                   .timeZone = std::move(options.timeZone),
                   .now = options.now,
                   .mainQueue = queue,
                   .userDefaults = defaults,
                   .feedback = feedback}) {}

} // namespace zt::test
