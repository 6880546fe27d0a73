#pragma once

#include "ZTSwiftUIComponents/host/Theme.h"
#include "ZTSwiftUIComponents/transactions/PayeeConformable.h"
#include "ZTSwiftUIComponents/transactions/TagsConformable.h"
#include "platform/Published.h"

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace zt {

/// The description, payee and tags of a transaction being entered. Main thread.
class TransactionDescriptionViewModel : public ObservableObject {
public:
    using Tags = std::vector<std::shared_ptr<TagsConformable>>;
    using SaveAction =
        std::function<void(const std::shared_ptr<PayeeConformable>&, const Tags&, const std::string&)>;

    explicit TransactionDescriptionViewModel(std::string descriptionText, SaveAction onDidSave = {});

    /// The identifiers of tags, so a tag is added once; changed with tags by add and remove.
    Published<std::set<std::string>, TransactionDescriptionViewModel> tagsIdentifiers{*this};
    /// In the order added.
    Published<Tags, TransactionDescriptionViewModel> tags{*this};
    Published<std::shared_ptr<PayeeConformable>> payee{*this};
    Published<std::string> descriptionText;

    Color tagsColor = Theme::shared().accentColor;
    SaveAction onDidSave;

    /// Appends a tag with an identifier not yet present; any other tag is ignored.
    void add(const std::shared_ptr<TagsConformable>& tag);
    /// Removes every tag with the tag's identifier.
    void remove(const std::shared_ptr<TagsConformable>& tag);

    /// Hands payee, tags and description to onDidSave, when set.
    void save() const;
};

} // namespace zt
