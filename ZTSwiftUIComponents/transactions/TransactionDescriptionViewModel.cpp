#include "TransactionDescriptionViewModel.h"

#include <utility>

namespace zt {

TransactionDescriptionViewModel::TransactionDescriptionViewModel(std::string descriptionText,
                                                                 SaveAction onDidSave)
    : descriptionText(*this, std::move(descriptionText)), onDidSave(std::move(onDidSave)) {}

void TransactionDescriptionViewModel::add(const std::shared_ptr<TagsConformable>& tag) {
    if (!tag || !tag->id() || tagsIdentifiers().contains(*tag->id()))
        return;
    auto ids = tagsIdentifiers();
    ids.insert(*tag->id());
    auto list = tags();
    list.push_back(tag);
    tagsIdentifiers.set(std::move(ids));
    tags.set(std::move(list));
}

void TransactionDescriptionViewModel::remove(const std::shared_ptr<TagsConformable>& tag) {
    if (!tag || !tag->id())
        return;
    const auto id = *tag->id();
    auto ids = tagsIdentifiers();
    ids.erase(id);
    auto list = tags();
    std::erase_if(list, [&id](const auto& t) { return t->id() == id; });
    tagsIdentifiers.set(std::move(ids));
    tags.set(std::move(list));
}

void TransactionDescriptionViewModel::save() const {
    if (onDidSave)
        onDidSave(payee(), tags(), descriptionText());
}

} // namespace zt
