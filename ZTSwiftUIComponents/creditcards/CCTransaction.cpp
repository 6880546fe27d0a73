#include "CCTransaction.h"

namespace zt {

void CCTransaction::encode(JSONWriter& writer) const {
    writer.setDate("date", date_);
    writer.setNumber("amount", amount_);
}

CCTransaction CCTransaction::decode(const JSONReader& reader) {
    return CCTransaction(reader.date("date"), reader.number("amount"));
}

} // namespace zt
