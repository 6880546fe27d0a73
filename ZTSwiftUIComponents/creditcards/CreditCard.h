#pragma once

#include "CCTransaction.h"
#include "CreditCardConformable.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zt {

/// The stored record of a credit card with transactions of type T.
///
/// Its JSON object has exactly the keys "identifier", "name", "limit", "balance",
/// "currencyCode", "billingCycle", "paymentDueDay", "apr", "iconName" and "transactions"; all
/// ten are required when decoding, and keys of other names are ignored.
template <CreditCardTransaction T> class CreditCard : public CreditCardConformable<T> {
public:
    /// The annual percentage rate of a new card, as a fraction (0.2 is 20 % a year).
    static constexpr double defaultAPR = 0.2;

    CreditCard(std::string identifier, std::string name, double limit, double balance,
               std::string currencyCode, DateInterval billingCycle, int paymentDueDay, std::string iconName,
               std::vector<T> transactions)
        : identifier_(std::move(identifier)), name_(std::move(name)), limit_(limit), balance_(balance),
          currencyCode_(std::move(currencyCode)), billingCycle_(billingCycle), paymentDueDay_(paymentDueDay),
          iconName_(std::move(iconName)), transactions_(std::move(transactions)) {}

    std::string identifier() const override { return identifier_; }
    std::string name() const override { return name_; }
    void setName(std::string name) override { name_ = std::move(name); }
    double limit() const override { return limit_; }
    void setLimit(double limit) override { limit_ = limit; }
    double balance() const override { return balance_; }
    void setBalance(double balance) { balance_ = balance; }
    std::string currencyCode() const override { return currencyCode_; }
    void setCurrencyCode(std::string currencyCode) override { currencyCode_ = std::move(currencyCode); }
    DateInterval billingCycle() const override { return billingCycle_; }
    void setBillingCycle(DateInterval billingCycle) override { billingCycle_ = billingCycle; }
    int paymentDueDay() const override { return paymentDueDay_; }
    void setPaymentDueDay(int paymentDueDay) override { paymentDueDay_ = paymentDueDay; }
    double apr() const { return apr_; }
    void setApr(double apr) { apr_ = apr; }
    std::string iconName() const override { return iconName_; }
    void setIconName(std::string iconName) override { iconName_ = std::move(iconName); }
    std::vector<T> transactions() const override { return transactions_; }
    void setTransactions(std::vector<T> transactions) override { transactions_ = std::move(transactions); }

    void encode(JSONWriter& writer) const override {
        writer.setString("identifier", identifier_);
        writer.setString("name", name_);
        writer.setNumber("limit", limit_);
        writer.setNumber("balance", balance_);
        writer.setString("currencyCode", currencyCode_);
        writer.setDateInterval("billingCycle", billingCycle_);
        writer.setInteger("paymentDueDay", paymentDueDay_);
        writer.setNumber("apr", apr_);
        writer.setString("iconName", iconName_);
        std::vector<JSONWriter> transactions;
        transactions.reserve(transactions_.size());
        for (const auto& transaction : transactions_) {
            transactions.emplace_back();
            transaction.encode(transactions.back());
        }
        writer.setObjects("transactions", std::move(transactions));
    }

    /// Reads the ten keys, in the order above, so the first missing or bad one is reported;
    /// throws JSONDecodingError.
    static CreditCard decode(const JSONReader& reader) {
        auto identifier = reader.string("identifier");
        auto name = reader.string("name");
        const double limit = reader.number("limit");
        const double balance = reader.number("balance");
        auto currencyCode = reader.string("currencyCode");
        const DateInterval billingCycle = reader.dateInterval("billingCycle");
        const int paymentDueDay = reader.integer("paymentDueDay");
        const double apr = reader.number("apr");
        auto iconName = reader.string("iconName");
        std::vector<T> transactions;
        for (const auto& item : reader.objects("transactions"))
            transactions.push_back(T::decode(item));
        CreditCard card(std::move(identifier), std::move(name), limit, balance, std::move(currencyCode),
                        billingCycle, paymentDueDay, std::move(iconName), std::move(transactions));
        card.apr_ = apr;
        return card;
    }
    /// A card from the bytes of dataRepresentation(); throws JSONDecodingError.
    static CreditCard decode(std::string_view data) { return decodeCreditCard<CreditCard>(data); }

    bool operator==(const CreditCard& other) const {
        return identifier_ == other.identifier_ && name_ == other.name_ && limit_ == other.limit_ &&
               balance_ == other.balance_ && currencyCode_ == other.currencyCode_ &&
               billingCycle_ == other.billingCycle_ && paymentDueDay_ == other.paymentDueDay_ &&
               apr_ == other.apr_ && iconName_ == other.iconName_ && transactions_ == other.transactions_;
    }

private:
    std::string identifier_;
    std::string name_;
    double limit_;
    double balance_;
    std::string currencyCode_;
    DateInterval billingCycle_;
    int paymentDueDay_;
    double apr_ = defaultAPR;
    std::string iconName_;
    std::vector<T> transactions_;
};

// The store's card type is compiled once, in CreditCard.cpp.
extern template class CreditCard<CCTransaction>;

} // namespace zt
