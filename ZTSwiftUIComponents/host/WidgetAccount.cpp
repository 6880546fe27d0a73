#include "WidgetAccount.h"

#include <algorithm>
#include <boost/container_hash/hash.hpp>
#include <cctype>
#include <numeric>

namespace zt {

namespace {

std::optional<std::string> upperCode(const std::optional<std::string>& code) {
    if (!code)
        return std::nullopt;
    std::string out = *code;
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return std::toupper(c); });
    return out;
}

template <class Pred> double sumBalances(const std::vector<WidgetAccount>& accounts, Pred pred) {
    return std::accumulate(accounts.begin(), accounts.end(), 0.0, [&](double sum, const WidgetAccount& a) {
        return pred(a) ? sum + a.balance : sum;
    });
}

template <class Pred>
std::vector<WidgetAccount> filtered(const std::vector<WidgetAccount>& accounts, Pred pred) {
    std::vector<WidgetAccount> out;
    std::copy_if(accounts.begin(), accounts.end(), std::back_inserter(out), pred);
    return out;
}

} // namespace

bool sameCurrencyCode(const std::optional<std::string>& a, const std::optional<std::string>& b) {
    return upperCode(a) == upperCode(b);
}

WidgetAccount::WidgetAccount(std::string id, std::string name, double balance, AccountType type,
                             std::optional<std::string> currencyCode, std::string iconName)
    : id(std::move(id)), name(std::move(name)), balance(balance), currencyCode(std::move(currencyCode)),
      iconName(std::move(iconName)), type(type) {}

void WidgetAccount::updateBalance(double newBalance, Date date) {
    balanceInAccountCurrency = newBalance;
    balance = newBalance * exchangeRate;
    balanceDate = date;
}

bool WidgetAccount::operator==(const WidgetAccount& o) const {
    return id == o.id && name == o.name && balance == o.balance &&
           balanceInAccountCurrency == o.balanceInAccountCurrency &&
           sameCurrencyCode(currencyCode, o.currencyCode) && exchangeRate == o.exchangeRate &&
           iconName == o.iconName && type == o.type && isOnlineBanking == o.isOnlineBanking &&
           isArchived == o.isArchived && isBusinessAccount == o.isBusinessAccount &&
           isFavorite == o.isFavorite && groupId == o.groupId && balanceDate == o.balanceDate;
}

double totalAssets(const std::vector<WidgetAccount>& accounts) {
    return sumBalances(accounts, [](const WidgetAccount& a) { return !isLiability(a.type); });
}

double totalLoans(const std::vector<WidgetAccount>& accounts) {
    return sumBalances(accounts, [](const WidgetAccount& a) { return a.type == AccountType::loan; });
}

double totalCreditCard(const std::vector<WidgetAccount>& accounts) {
    return sumBalances(accounts, [](const WidgetAccount& a) { return a.type == AccountType::creditCard; });
}

std::vector<WidgetAccount> archived(const std::vector<WidgetAccount>& accounts) {
    return filtered(accounts, [](const WidgetAccount& a) { return a.isArchived; });
}

std::vector<WidgetAccount> excludedArchived(const std::vector<WidgetAccount>& accounts) {
    return filtered(accounts, [](const WidgetAccount& a) { return !a.isArchived; });
}

} // namespace zt

std::size_t std::hash<zt::WidgetAccount>::operator()(const zt::WidgetAccount& a) const noexcept {
    // Only fields that equality compares exactly, and the code upper-cased like equality does.
    std::size_t seed = 0;
    boost::hash_combine(seed, a.id);
    boost::hash_combine(seed, a.name);
    boost::hash_combine(seed, a.balance);
    boost::hash_combine(seed, zt::upperCode(a.currencyCode).value_or(""));
    boost::hash_combine(seed, a.currencyCode.has_value());
    boost::hash_combine(seed, static_cast<int>(a.type));
    boost::hash_combine(seed, a.isArchived);
    return seed;
}
