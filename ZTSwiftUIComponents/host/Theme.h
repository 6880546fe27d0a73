#pragma once

namespace zt {

/// An opaque sRGB colour, components 0…1.
struct Color {
    double red = 0, green = 0, blue = 0, opacity = 1;
    bool operator==(const Color&) const = default;
};

/// The host's visual theme values the screens rely on.
struct Theme {
    Color accentColor{0.0, 122.0 / 255.0, 1.0};
    Color floatingButtonColor{0.0, 122.0 / 255.0, 1.0};
    double cardCornerRadius = 16;
    double cellImageCornerRadius = 8;

    static const Theme& shared();
};

/// The two sign colours of amounts.
inline constexpr Color positiveAmountColor{4.0 / 255.0, 215.0 / 255.0, 165.0 / 255.0};
inline constexpr Color negativeAmountColor{1.0, 64.0 / 255.0, 89.0 / 255.0};
/// Amounts that neither add nor remove money, such as transfers between the user's own accounts.
inline constexpr Color neutralAmountColor{142.0 / 255.0, 142.0 / 255.0, 147.0 / 255.0};

/// Positive (and zero) amounts are green, negative ones red.
inline constexpr Color signColor(double amount) {
    return amount < 0 ? negativeAmountColor : positiveAmountColor;
}

} // namespace zt
