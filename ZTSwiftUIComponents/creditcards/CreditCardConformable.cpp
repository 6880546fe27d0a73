#include "CreditCardConformable.h"

#include <algorithm>

namespace zt {

double AnyCreditCardConformable::availableFunds() const {
    return std::max(limit() - balance(), 0.0);
}

std::string AnyCreditCardConformable::dataRepresentation() const {
    JSONWriter writer;
    encode(writer);
    return writer.compactString();
}

} // namespace zt
