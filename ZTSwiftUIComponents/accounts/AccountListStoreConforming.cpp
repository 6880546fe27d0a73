#include "AccountListStoreConforming.h"

namespace zt {

std::vector<WidgetAccount> AccountListStoreConforming::accounts() const {
    std::vector<WidgetAccount> out;
    for (const auto& group : groups())
        out.insert(out.end(), group.items.begin(), group.items.end());
    return out;
}

std::optional<WidgetAccount> AccountListStoreConforming::account(const std::string& withId) const {
    for (const auto& group : groups())
        for (const auto& a : group.items)
            if (a.id == withId)
                return a;
    return std::nullopt;
}

} // namespace zt
