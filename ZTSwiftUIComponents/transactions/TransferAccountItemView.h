#pragma once

#include "ZTSwiftUIComponents/host/WidgetAccount.h"
#include "platform/NumberFormatter.h"
#include "platform/ui/View.h"

namespace zt {

/// One account of an account list: name, balance in the formatter's currency, the balance in the
/// account's own currency when that is another, and a mark when it is the selected one.
class TransferAccountItemView {
public:
    TransferAccountItemView(const WidgetAccount& account, const NumberFormatter& formatter, bool isSelected);

    ui::View body() const;

private:
    const WidgetAccount& account_;
    const NumberFormatter& formatter_;
    bool isSelected_;
};

} // namespace zt
