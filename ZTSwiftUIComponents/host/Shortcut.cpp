#include "Shortcut.h"

#include <boost/container_hash/hash.hpp>

namespace zt {} // namespace zt

std::size_t std::hash<zt::Shortcut>::operator()(const zt::Shortcut& s) const noexcept {
    std::size_t seed = 0;
    boost::hash_combine(seed, s.id);
    boost::hash_combine(seed, s.name);
    boost::hash_combine(seed, s.amount);
    boost::hash_combine(seed, static_cast<int>(s.type));
    boost::hash_combine(seed, s.isDynamic);
    return seed;
}
