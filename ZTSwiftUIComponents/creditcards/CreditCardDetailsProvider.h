#pragma once

#include "ZTSwiftUIComponents/creditcards/CreditCardDetailsProviding.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zt {

/// The demo card of the details screen: plain values, the limit published. Main thread.
class CreditCardDetailsProvider final : public CreditCardDetailsProviding {
public:
    CreditCardDetailsProvider(std::string name, std::string iconName, Color accountColor,
                              std::optional<double> limit,
                              std::vector<std::shared_ptr<CreditCardLastStatement>> statements);

    std::string name() const override { return name_; }
    std::string iconName() const override { return iconName_; }
    Color accountColor() const override { return accountColor_; }
    Published<std::optional<double>>& limit() override { return limit_; }
    const Published<std::optional<double>>& limit() const override { return limit_; }
    std::vector<std::shared_ptr<CreditCardLastStatement>> statements() const override { return statements_; }

private:
    std::string name_;
    std::string iconName_;
    Color accountColor_;
    Published<std::optional<double>> limit_;
    std::vector<std::shared_ptr<CreditCardLastStatement>> statements_;
};

} // namespace zt
