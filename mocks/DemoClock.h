#pragma once

#include "platform/Date.h"

namespace zt::mocks {

/// The fixed "now" of the demo mode and the preview, so every demo screen is reproducible.
Date demoNow();

} // namespace zt::mocks
