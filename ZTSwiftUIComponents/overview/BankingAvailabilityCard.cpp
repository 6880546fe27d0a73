#include "BankingAvailabilityCard.h"

#include "ZTSwiftUIComponents/overview/OverviewCardFrame.h"
#include "platform/Environment.h"
#include "platform/LocaleNames.h"
#include "platform/StringTable.h"
#include "platform/UserDefaults.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

namespace zt {

namespace {

// Regions where our banking partner connects accounts.
constexpr std::array<std::string_view, 19> bankingRegions{"AT", "BE", "CH", "DE", "DK", "ES", "FI",
                                                          "FR", "GB", "IE", "IT", "LU", "NL", "NO",
                                                          "PL", "PT", "SE", "CA", "US"};

struct BulletPoint {
    std::string id;
    std::string title;
    std::string systemImage;
};

} // namespace

BankingAvailabilityCard::BankingAvailabilityCard(std::function<void()> onConnect,
                                                 std::function<void()> onDismiss)
    : onConnect_(std::move(onConnect)), onDismiss_(std::move(onDismiss)) {}

bool BankingAvailabilityCard::isDismissed() {
    return Environment::current().userDefaults().boolean(std::string(dismissedKey));
}

bool BankingAvailabilityCard::isAvailable(std::string_view localeIdentifier) {
    const auto locale = icu_bridge::locale(localeIdentifier);
    const std::string_view region =
        locale.isBogus() ? std::string_view{} : std::string_view(locale.getCountry());
    return std::find(bankingRegions.begin(), bankingRegions.end(), region) != bankingRegions.end();
}

bool BankingAvailabilityCard::isExpanded() const {
    return state_->isExpanded;
}

ui::View BankingAvailabilityCard::body() const {
    const std::vector<BulletPoint> points{
        {"encryption", L("Secure bank-grade encryption"), "checkmark.shield.fill"},
        {"readOnly", L("Read-only access to transactions"), "eye.fill"},
        {"noCredentials", L("Never store banking credentials"), "lock.fill"},
    };
    std::vector<ui::View> content;
    content.push_back(ui::hstack({
        cardHeader(L("Connect your bank", "Title of the overview card inviting to link a bank")),
        ui::spacer(),
        ui::button(L("Close"), "xmark.circle.fill",
                   [onDismiss = onDismiss_] {
                       Environment::current().userDefaults().set(std::string(dismissedKey),
                                                                 UserDefaults::Value{true});
                       if (onDismiss)
                           onDismiss();
                   })
            .id("dismissBankingCard"),
    }));
    content.push_back(
        ui::text(L("Automatically sync your transactions and stay up-to-date with your finances"))
            .font(ui::Font::subheadline)
            .secondary());
    if (state_->isExpanded)
        for (const auto& point : points)
            content.push_back(ui::label(point.title, point.systemImage).id(point.id));
    content.push_back(
        ui::button(state_->isExpanded ? L("Show Less") : L("Learn More"), state_.action([](State& s) {
            s.isExpanded = !s.isExpanded;
        })).id("toggleDetails"));
    content.push_back(
        ui::button(L("Connect Bank"), "building.columns", callIfSet(onConnect_)).id("connectBank"));
    return ui::card({ui::vstack(std::move(content))}).id("bankingAvailability");
}

} // namespace zt
