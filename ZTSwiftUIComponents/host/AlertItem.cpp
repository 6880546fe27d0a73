#include "AlertItem.h"

#include "platform/StringTable.h"

namespace zt {

AlertItem AlertItem::transactionSaved() {
    AlertItem item;
    item.title = L("Transaction saved", "Banner title after a transaction was stored");
    item.message = L("Your transaction has been saved.", "Banner message after a transaction was stored");
    item.systemImageName = "checkmark.circle.fill";
    item.color = positiveAmountColor;
    item.duration = 2;
    return item;
}

AlertItem AlertItem::onlineBankingAccountCannotSelect() {
    AlertItem item;
    item.title = L("Not allowed");
    item.message = L("Transactions of online banking accounts are imported from your bank. Please choose "
                     "another account.",
                     "Banner message when the user picks an account that is synced with a bank");
    item.systemImageName = "xmark.circle.fill";
    item.color = negativeAmountColor;
    item.duration = 3;
    return item;
}

} // namespace zt
