#include "TransactionDescriptionViewModel.h"

#include <utility>

namespace zt {

TransactionDescriptionViewModel::TransactionDescriptionViewModel(std::string descriptionText,
                                                                 SaveAction onDidSave)
    : descriptionText(*this, std::move(descriptionText)), onDidSave(std::move(onDidSave)) {}

void TransactionDescriptionViewModel::save() const {
    if (onDidSave)
        onDidSave(payee(), tags(), descriptionText());
}

} // namespace zt
