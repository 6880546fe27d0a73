#include "Sort.h"

#include "platform/Environment.h"
#include "platform/StringTable.h"
#include "platform/UserDefaults.h"

namespace zt {

std::string localized(SortType type) {
    switch (type) {
    case SortType::userDefined:
        return L("Custom Order", "Sort option: the order the user arranged");
    case SortType::alphabetically:
        return L("Alphabetically", "Sort option: by name");
    }
    return std::string(rawValue(type));
}

SortControllerState::SortControllerState(SortEntity entity, std::optional<bool> ascending)
    : entity_(entity), ascending_(ascending) {}

std::string SortControllerState::typeKey(SortEntity entity) {
    return "sortType." + std::string(rawValue(entity));
}

std::string SortControllerState::ascendingKey(SortEntity entity) {
    return "sortAscending." + std::string(rawValue(entity));
}

Sort SortControllerState::sort() const {
    const auto& defaults = Environment::current().userDefaults();
    Sort sort;
    if (const auto stored = defaults.string(typeKey(entity_)))
        sort.type = fromRawValue<SortType>(*stored).value_or(SortType::userDefined);
    if (ascending_)
        sort.ascending = *ascending_;
    else if (defaults.contains(ascendingKey(entity_)))
        sort.ascending = defaults.boolean(ascendingKey(entity_));
    return sort;
}

void SortControllerState::save(const Sort& sort) const {
    auto& defaults = Environment::current().userDefaults();
    defaults.set(typeKey(entity_), UserDefaults::Value{std::string(rawValue(sort.type))});
    defaults.set(ascendingKey(entity_), UserDefaults::Value{sort.ascending});
}

} // namespace zt
