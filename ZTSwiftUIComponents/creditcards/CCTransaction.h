#pragma once

#include "CreditCardTransactionConforming.h"

namespace zt {

/// The library's transaction of a card. Its JSON object has exactly the keys "date" and
/// "amount", both required.
class CCTransaction final : public CreditCardTransactionConforming {
public:
    CCTransaction() = default;
    CCTransaction(Date date, double amount) : date_(date), amount_(amount) {}

    Date date() const override { return date_; }
    void setDate(Date date) override { date_ = date; }
    double amount() const override { return amount_; }
    void setAmount(double amount) override { amount_ = amount; }

    void encode(JSONWriter& writer) const override;
    static CCTransaction decode(const JSONReader& reader);

    bool operator==(const CCTransaction& other) const {
        return date_ == other.date_ && amount_ == other.amount_;
    }

private:
    Date date_{};
    double amount_ = 0;
};

} // namespace zt
