#pragma once

#include "ZTSwiftUIComponents/creditcards/ReminderToggleType.h"
#include "platform/Date.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace zt {

/// One payment-due reminder choice of a card: when it would fire and whether the user wants it.
/// Identified (and hashed) by id, the type's raw value.
struct ReminderToggle {
    std::string id;
    /// The type's display name, localised.
    std::string name;
    /// When the notification fires.
    Date date;
    bool isActive = false;
    ReminderToggleType type = ReminderToggleType::sameDay;

    bool operator==(const ReminderToggle&) const = default;

    /// The four reminders of a due date, as PaymentDueDateReminderGenerator makes them.
    static std::vector<ReminderToggle> reminders(Date forDueDate,
                                                 const std::vector<ReminderToggleType>& selectedTypes);
};

} // namespace zt

template <> struct std::hash<zt::ReminderToggle> {
    std::size_t operator()(const zt::ReminderToggle& toggle) const noexcept {
        return std::hash<std::string>{}(toggle.id);
    }
};
