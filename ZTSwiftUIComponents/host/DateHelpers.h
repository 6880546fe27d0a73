#pragma once

#include "platform/Calendar.h"
#include "platform/Date.h"

#include <string>

namespace zt {

/// The last instant of date's day in the environment's calendar (Calendar::endOfDay() in any
/// other).
Date endOfDay(Date date);

/// The date alone, in the medium style of the environment's locale and time zone ("May 10, 2025",
/// "10.05.2025"); the empty text when it cannot be formatted.
std::string formattedDateOnly(Date date);

} // namespace zt
