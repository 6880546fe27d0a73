#pragma once

#include "platform/Environment.h"
#include "platform/Published.h"
#include "platform/UserDefaults.h"

#include <cstdint>
#include <optional>
#include <string>

namespace zt::ai {

/// What the host's insight engine shows: the current insight, and the position it has reached
/// in its list, kept in the user defaults so the next launch continues from there.
template <class InsightValue> class InsightManager : public ObservableObject {
public:
    static constexpr const char* lastIndexKey = "insightManagerLastIndex";

    Published<std::optional<InsightValue>> current{*this};

    /// 0 until the host stores one.
    std::int64_t lastIndex() const { return Environment::current().userDefaults().integer(lastIndexKey, 0); }
    void setLastIndex(std::int64_t index) {
        objectWillChange.notify();
        Environment::current().userDefaults().set(lastIndexKey, UserDefaults::Value{index});
    }
};

} // namespace zt::ai
