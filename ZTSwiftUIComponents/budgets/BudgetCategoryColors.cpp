#include "BudgetCategoryColors.h"

#include <algorithm>
#include <cmath>

namespace zt {

std::int64_t BudgetCategoryColors::stableHash(std::string_view text) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    return static_cast<std::int64_t>(hash);
}

double BudgetCategoryColors::startHue(std::string_view name) {
    // The remainder of a truncating division keeps the hash's sign.
    const std::int64_t remainder = stableHash(name) % 360;
    return static_cast<double>(remainder < 0 ? -remainder : remainder) / 360.0;
}

double BudgetCategoryColors::hueDistance(double a, double b) {
    const double d = std::fabs(a - b);
    return std::min(d, 1.0 - d);
}

Color BudgetCategoryColors::color(double hue, double s, double v) {
    const double h = (hue - std::floor(hue)) * 6.0;
    const int sector = static_cast<int>(h) % 6;
    const double f = h - std::floor(h);
    const double p = v * (1 - s), q = v * (1 - s * f), t = v * (1 - s * (1 - f));
    switch (sector) {
    case 0:
        return {v, t, p};
    case 1:
        return {q, v, p};
    case 2:
        return {p, v, t};
    case 3:
        return {p, q, v};
    case 4:
        return {t, p, v};
    default:
        return {v, p, q};
    }
}

bool BudgetCategoryColors::conflicts(double hue) const {
    if (hues_.empty())
        return false;
    // On the circle the nearest given hue is the next one up or the next one down, wrapping.
    const auto above = std::lower_bound(hues_.begin(), hues_.end(), hue);
    const double up = above == hues_.end() ? hues_.front() : *above;
    const double down = above == hues_.begin() ? hues_.back() : *(above - 1);
    return hueDistance(hue, up) < minimumDistance || hueDistance(hue, down) < minimumDistance;
}

void BudgetCategoryColors::assignColors(const std::vector<BudgetCategory>& categories) {
    auto colors = categoryColors();
    bool changed = false;
    for (const auto& category : categories) {
        if (colors.contains(category.id))
            continue;
        double h = startHue(category.name);
        for (int adjustments = 0; adjustments < maximumSteps && conflicts(h); ++adjustments) {
            h += step;
            h -= std::floor(h);
        }
        colors.emplace(category.id, color(h, saturation, brightness));
        hues_.insert(std::upper_bound(hues_.begin(), hues_.end(), h), h);
        changed = true;
    }
    if (changed)
        categoryColors.set(std::move(colors));
}

} // namespace zt
