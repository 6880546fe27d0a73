#pragma once

#include "ZTSwiftUIComponents/host/Theme.h"
#include "platform/UUID.h"

#include <string>

namespace zt {

/// A transient banner: a title and a message with a symbol and colour, shown for `duration`
/// seconds. Every alert gets a fresh identifier, so showing the same texts twice is two alerts.
struct AlertItem {
    std::string id = makeUUIDString();
    std::string title;
    std::string message;
    std::string systemImageName;
    Color color;
    /// Display duration in seconds.
    double duration = 2;

    bool operator==(const AlertItem&) const = default;

    /// "Transaction saved": the confirmation after a quick entry was stored. Texts are looked up
    /// in the environment's language at each call.
    static AlertItem transactionSaved();
    /// Refusal shown when the user picks an account that online banking manages.
    static AlertItem onlineBankingAccountCannotSelect();
};

} // namespace zt
