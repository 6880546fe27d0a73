#pragma once

#include "ZTSwiftUIComponents/host/ZTBaseRepeating.h"
#include "platform/NumberFormatter.h"
#include "platform/ui/View.h"

#include <functional>
#include <memory>
#include <string>

namespace zt {

/// A repeating series on its main transaction: its schedule, the occurrences booked so far
/// (newest first) with their total, and a link to all of them.
class TransactionRepeatingSectionView {
public:
    TransactionRepeatingSectionView(std::shared_ptr<ZTBaseRepeating> repeating, NumberFormatter formatter,
                                    std::string repeatingHeader, std::string allRepeatingLabel,
                                    std::function<void()> onViewTransactionsDidTap);

    ui::View body() const;

private:
    std::shared_ptr<ZTBaseRepeating> repeating_;
    NumberFormatter formatter_;
    std::string repeatingHeader_;
    std::string allRepeatingLabel_;
    std::function<void()> onViewTransactionsDidTap_;
};

} // namespace zt
