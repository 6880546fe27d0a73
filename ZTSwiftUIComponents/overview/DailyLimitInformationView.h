#pragma once

#include "platform/ui/View.h"

namespace zt {

/// The help sheet of the daily limit: how the automatic limit is worked out.
class DailyLimitInformationView {
public:
    ui::View body() const;
};

} // namespace zt
