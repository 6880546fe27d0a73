#include "Gallery.h"

namespace zt::preview {

std::vector<Subsystem> gallery() {
    return {
        {"Host records", hostPages()},
        {"Overview", overviewPages()},
        {"Credit cards", creditCardPages()},
        {"Transaction entry", transactionPages()},
        {"Categories", categoryPages()},
        {"Accounts", accountPages()},
        {"Budgets", budgetPages()},
        {"On-device insights", insightPages()},
        {"Account form", accountEntryPages()},
    };
}

std::vector<Page> allPages() {
    std::vector<Page> pages;
    for (auto& subsystem : gallery())
        for (auto& page : subsystem.pages)
            pages.push_back(std::move(page));
    return pages;
}

} // namespace zt::preview
