#include "CreditCard.h"

namespace zt {

template class CreditCard<CCTransaction>;

} // namespace zt
