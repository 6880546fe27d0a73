#pragma once

#include "ZTSwiftUIComponents/host/ReportTransaction.h"
#include "ZTSwiftUIComponents/host/ZTBaseRepeating.h"
#include "platform/NumberFormatter.h"
#include "platform/Published.h"
#include "platform/ui/View.h"

#include <memory>

namespace zt {

/// The occurrences a repeating series has booked, newest first, kept up to date with the series.
class EditChildRepeatingTransactionsScreen {
public:
    explicit EditChildRepeatingTransactionsScreen(std::shared_ptr<ZTBaseRepeating> repeating);

    const ReportTransactionList& transactions() const { return state_->transactions; }

    ui::View body() const;

private:
    struct State {
        ReportTransactionList transactions;
        NumberFormatter formatter;
        Subscription subscription;
    };
    std::shared_ptr<ZTBaseRepeating> repeating_;
    std::shared_ptr<State> state_;
};

} // namespace zt
