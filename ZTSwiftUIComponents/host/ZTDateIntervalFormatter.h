#pragma once

#include "platform/DateInterval.h"

#include <string>

namespace zt {

/// Writes a budgeting period as a title in the environment's locale and time zone. A whole
/// calendar month reads as the month ("May 2025"), a whole year as the year ("2025"), a single
/// day as that date ("May 10, 2025") and anything else as a range ("May 1 – 24, 2025"). A
/// period counts as whole when it starts at the first instant of its first day and ends within
/// its last day's final second. "--" when the interval cannot be formatted.
class ZTDateIntervalFormatter {
public:
    std::string string(const DateInterval& interval) const;
};

} // namespace zt
