#pragma once

#include "ZTSwiftUIComponents/host/TransactionConformable.h"
#include "ZTSwiftUIComponents/host/ZTBaseRepeating.h"
#include "platform/NumberFormatter.h"
#include "platform/ui/View.h"

#include <functional>
#include <memory>
#include <string>

namespace zt {

/// The schedule of a repeating series and its main transaction, shown on an occurrence; tapping
/// the main transaction reports its identifier.
class ParentRepeatingSectionView {
public:
    ParentRepeatingSectionView(std::shared_ptr<const TransactionConformable> transaction,
                               std::shared_ptr<ZTBaseRepeating> repeating, NumberFormatter formatter,
                               std::function<void(const std::string&)> onTransactionDidTap);

    ui::View body() const;

private:
    std::shared_ptr<const TransactionConformable> transaction_;
    std::shared_ptr<ZTBaseRepeating> repeating_;
    NumberFormatter formatter_;
    std::function<void(const std::string&)> onTransactionDidTap_;
};

/// The rows "Interval", "From" and "Until" (a date, or "Forever") of a series.
std::vector<ui::View> repeatingScheduleRows(const ZTBaseRepeating& repeating);

} // namespace zt
