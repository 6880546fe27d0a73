#pragma once

#include "ZTSwiftUIComponents/host/AlertItem.h"
#include "platform/Published.h"

#include <optional>

namespace zt {

/// The error channel of the entry screen: any of its parts shows a transient banner by assigning
/// an alert to shared().alert; the screen shows it for the alert's duration. Main thread.
class TransactionEntryErrorManager : public ObservableObject {
public:
    Published<std::optional<AlertItem>> alert{*this};

    /// The process-wide instance.
    static TransactionEntryErrorManager& shared();
    /// Replaces the shared instance with a fresh one (no alert, no observers), so tests start
    /// clean; subscriptions to the old one simply stop hearing.
    static void resetShared();
};

} // namespace zt
