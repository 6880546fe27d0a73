#pragma once

namespace zt {

/// Which repetition sheet the entry screen offers: the manual one, or the one for accounts
/// connected to a bank, where the host has already matched past occurrences.
enum class TransactionRepeatMode { manual, banking };

} // namespace zt
