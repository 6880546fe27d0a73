#include "TransactionEntryErrorManager.h"

#include <memory>

namespace zt {

namespace {

std::unique_ptr<TransactionEntryErrorManager>& instance() {
    static auto shared = std::make_unique<TransactionEntryErrorManager>();
    return shared;
}

} // namespace

TransactionEntryErrorManager& TransactionEntryErrorManager::shared() {
    return *instance();
}

void TransactionEntryErrorManager::resetShared() {
    instance() = std::make_unique<TransactionEntryErrorManager>();
}

} // namespace zt
