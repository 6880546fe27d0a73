#include "AccountEntryProvider.h"

#include "ZTSwiftUIComponents/host/CurrencyFormatting.h"
#include "ZTSwiftUIComponents/host/IconImages.h"

namespace zt {

AccountEntryProvider::AccountEntryProvider()
    : currencyCode_(*this, appCurrencyCode()), iconName_(*this, std::string(defaultAccountImageName)) {}

AccountEntryProvider::AccountEntryProvider(const WidgetAccount& account, std::optional<double> vat)
    : name_(*this, account.name), balance_(*this, account.accountCurrencyBalance()),
      isBusinessAccount_(*this, account.isBusinessAccount), isOnlineBanking_(*this, account.isOnlineBanking),
      type_(*this, account.type), currencyCode_(*this, account.currencyCode.value_or(appCurrencyCode())),
      iconName_(*this, account.iconName.empty() ? std::string(defaultAccountImageName) : account.iconName),
      vat_(*this, vat) {}

} // namespace zt
