#pragma once

#include "platform/ui/ScreenState.h"
#include "platform/ui/View.h"

#include <functional>
#include <string>

namespace zt::ai {

/// The large card of a generated insight: a tag bubble, the greeting, the insight's title and
/// message, an illustration and the footnote that the text is machine-written. Its parts fade in
/// one after another once appear() is called; a host that rebuilds the card while the insight
/// streams passes the same appearance each time so nothing fades in twice. Tapping the card calls
/// onDidTap.
class InsightHeroCard {
public:
    /// Which parts have faded in; all start hidden.
    struct Appearance {
        bool illustration = false;
        bool tag = false;
        bool greeting = false;
        bool title = false;
        bool subtitle = false;
    };

    /// Seconds between two parts fading in.
    static constexpr double fadeInInterval = 0.15;

    InsightHeroCard(std::string tag, std::string greeting, std::string title, std::string message,
                    std::function<void()> onDidTap = {}, ui::ScreenState<Appearance> appearance = {});

    /// Fades the parts in on the main queue: illustration, tag, greeting, title, subtitle.
    void appear() const { fadeIn(appearance_); }
    static void fadeIn(const ui::ScreenState<Appearance>& appearance);
    const ui::ScreenState<Appearance>& appearance() const { return appearance_; }

    ui::View body() const;

private:
    std::string tag_;
    std::string greeting_;
    std::string title_;
    std::string message_;
    std::function<void()> onDidTap_;
    ui::ScreenState<Appearance> appearance_;
};

} // namespace zt::ai
