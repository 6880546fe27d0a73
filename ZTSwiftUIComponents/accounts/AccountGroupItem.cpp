#include "AccountGroupItem.h"

#include "platform/StringTable.h"

#include <boost/container_hash/hash.hpp>

namespace zt {

std::string AccountGroupItem::noGroupName() {
    return L("No group", "Name of the group of accounts that belong to no group");
}

} // namespace zt

std::size_t std::hash<zt::AccountGroupItem>::operator()(const zt::AccountGroupItem& group) const noexcept {
    std::size_t seed = 0;
    boost::hash_combine(seed, group.id);
    boost::hash_combine(seed, group.name);
    boost::hash_combine(seed, group.isCollapsed);
    boost::hash_combine(seed, group.amount);
    for (const auto& account : group.items)
        boost::hash_combine(seed, std::hash<zt::WidgetAccount>{}(account));
    return seed;
}
