#include "CCTransaction.h"

namespace zt {

void CCTransaction::encode(CreditCardJSONWriter& writer) const {
    writer.setDate("date", date_);
    writer.setNumber("amount", amount_);
}

CCTransaction CCTransaction::decode(const CreditCardJSONReader& reader) {
    return CCTransaction(reader.date("date"), reader.number("amount"));
}

} // namespace zt
