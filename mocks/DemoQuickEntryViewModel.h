#pragma once

#include "MockOverviewDatabase.h"
#include "ParsedQuickEntryViewModel.h"

#include <memory>
#include <string>
#include <vector>

namespace zt {

/// The demo host's quick entry: it reads the line against the demo's categories and active
/// accounts, completes the descriptions of the demo overview database's transactions, and stores
/// one transaction per entry there.
class DemoQuickEntryViewModel : public ParsedQuickEntryViewModel {
public:
    explicit DemoQuickEntryViewModel(std::shared_ptr<MockOverviewDatabase> database);
    DemoQuickEntryViewModel(std::shared_ptr<MockOverviewDatabase> database,
                            std::vector<WidgetAccount> accounts,
                            std::vector<std::shared_ptr<WidgetCategory>> categories);

private:
    std::vector<std::string> recentDescriptions() const override;
    void store(const std::vector<QuickEntry>& entries) override;

    std::shared_ptr<MockOverviewDatabase> database_;
};

} // namespace zt
