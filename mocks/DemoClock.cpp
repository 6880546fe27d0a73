#include "DemoClock.h"

namespace zt::mocks {

// 2025-05-10 12:00:00 UTC
Date demoNow() { return Date::fromUnixSeconds(1746878400.0); }

} // namespace zt::mocks
