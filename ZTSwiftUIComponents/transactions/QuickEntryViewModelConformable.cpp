#include "QuickEntryViewModelConformable.h"

#include "ZTSwiftUIComponents/transactions/TagName.h"
#include "platform/Environment.h"

namespace zt {

bool QuickEntryViewModelConformable::hasTransactionText() const {
    return !isBlankName(transactionText());
}

std::vector<SectionData> QuickEntryViewModelConformable::visibleSections() const {
    std::vector<SectionData> visible;
    for (const SectionData* section : {&accounts(), &categories(), &suggestions()})
        if (!section->data.empty())
            visible.push_back(*section);
    return visible;
}

MockQuickEntryViewModel::MockQuickEntryViewModel() : selectedDateValue(*this, Environment::current().now()) {}

} // namespace zt
