#pragma once

#include "HostDatabase.h"

#include <functional>

namespace zt {

/// Runs write in one SQL transaction of the database: all of it is stored, or, when the database
/// refuses any part, nothing, and the reason is logged under what. Returns whether it was stored.
/// For stores whose callers cannot take a failure (the screens' delegates).
bool writeOrLog(HostDatabase& database, const char* what,
                const std::function<void(SqliteConnection&)>& write);

} // namespace zt
