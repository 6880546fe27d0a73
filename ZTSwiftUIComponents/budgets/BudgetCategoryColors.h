#pragma once

#include "ZTSwiftUIComponents/budgets/BudgetCategory.h"
#include "ZTSwiftUIComponents/host/Theme.h"
#include "platform/Published.h"

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace zt {

/// A colour for each budget category, well apart from the others on the hue circle and the same
/// from one launch to the next: the start hue comes from a fixed 64-bit hash of the name, and a
/// hue closer than minimumDistance to one already given moves on by step, at most maximumSteps
/// times. A category keeps the colour it was given. Main thread.
class BudgetCategoryColors : public ObservableObject {
public:
    static constexpr double minimumDistance = 0.07;
    static constexpr double step = 0.09;
    static constexpr int maximumSteps = 20;
    static constexpr double saturation = 0.7;
    static constexpr double brightness = 0.9;

    /// The colour of each category, by category identifier.
    Published<std::map<std::string, Color>, BudgetCategoryColors> categoryColors{*this};

    /// Gives every category of the list without a colour one, in list order.
    void assignColors(const std::vector<BudgetCategory>& categories);

    /// The hue a category's colour starts from: |hash mod 360| / 360 of the signed 64-bit FNV-1a
    /// hash of its name's UTF-8 bytes.
    static double startHue(std::string_view name);
    static std::int64_t stableHash(std::string_view text);
    /// The distance of two hues on the hue circle (0 to 0.5).
    static double hueDistance(double a, double b);
    static Color color(double hue, double saturation, double brightness);

private:
    // The hues of categoryColors, sorted, so a conflict is found among the two neighbours of a hue.
    std::vector<double> hues_;
    bool conflicts(double hue) const;
};

} // namespace zt
