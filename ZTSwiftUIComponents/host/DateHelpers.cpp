#include "DateHelpers.h"

#include "platform/DateFormatter.h"

namespace zt {

Date endOfDay(Date date) {
    return Calendar::current().endOfDay(date);
}

std::string formattedDateOnly(Date date) {
    // Styles resolve in the environment's locale and zone at each call, so one formatter serves all.
    static const DateFormatter formatter =
        DateFormatter::withStyles(DateFormatter::Style::medium, DateFormatter::Style::none);
    return formatter.string(date).value_or("");
}

} // namespace zt
