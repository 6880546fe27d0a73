#pragma once

#include "HostDatabase.h"

namespace zt {

/// Fills a database that holds no accounts yet with the demo data of the gallery: categories,
/// account groups, accounts, a year of transactions (the repeating ones as series), goals,
/// shortcuts, payees and tags, dated relative to the environment's now. One SQL transaction;
/// false, and nothing written, when the database has accounts already.
bool seedDemoData(HostDatabase& database);

} // namespace zt
