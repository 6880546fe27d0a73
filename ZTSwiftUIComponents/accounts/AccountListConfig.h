#pragma once

namespace zt {

/// What the account list offers; onboarding shows a trimmed list with a continue button.
struct AccountListConfig {
    bool isAddAccountInSectionsVisible = false;
    bool isAddAccountInEmptySectionsVisible = false;
    bool isOnboardingMode = false;
    bool isHeaderVisible = false;
    bool isOptionsButtonVisible = true;
    bool canEditItems = true;
    bool canSelectOnlineAccounts = false;

    AccountListConfig() = default;
    AccountListConfig(bool isAddAccountInSectionsVisible, bool isAddAccountInEmptySectionsVisible,
                      bool isOnboardingMode, bool canSelectOnlineAccounts)
        : isAddAccountInSectionsVisible(isAddAccountInSectionsVisible),
          isAddAccountInEmptySectionsVisible(isAddAccountInEmptySectionsVisible),
          isOnboardingMode(isOnboardingMode), canSelectOnlineAccounts(canSelectOnlineAccounts) {}

    bool operator==(const AccountListConfig&) const = default;
};

} // namespace zt
