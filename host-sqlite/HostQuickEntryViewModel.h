#pragma once

#include "HostOverviewDatabase.h"
#include "mocks/ParsedQuickEntryViewModel.h"

#include <memory>

namespace zt {

/// Quick entry on the host database: the line is read against the stored categories and the
/// accounts that are not archived, the descriptions of the latest transactions are offered as
/// completions, and a line's transactions are stored in one SQL transaction (in the account's
/// currency, converted with the account's rate), after which the overview is told. Main thread.
class HostQuickEntryViewModel final : public ParsedQuickEntryViewModel {
public:
    explicit HostQuickEntryViewModel(std::shared_ptr<HostOverviewDatabase> overview);

    /// How many of the latest transactions lend their descriptions to the completions.
    static constexpr int describedTransactions = 500;

private:
    std::vector<std::string> recentDescriptions() const override;
    void store(const std::vector<QuickEntry>& entries) override;

    std::shared_ptr<HostOverviewDatabase> overview_;
};

} // namespace zt
