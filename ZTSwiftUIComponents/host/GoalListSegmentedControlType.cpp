#include "GoalListSegmentedControlType.h"

#include "platform/StringTable.h"

namespace zt {

std::string localized(GoalListSegmentedControlType segment) {
    switch (segment) {
    case GoalListSegmentedControlType::active:
        return L("Active", "Goals list segment: goals not reached yet");
    case GoalListSegmentedControlType::completed:
        return L("Completed", "Goals list segment: goals reached");
    }
    return std::string(rawValue(segment));
}

} // namespace zt
