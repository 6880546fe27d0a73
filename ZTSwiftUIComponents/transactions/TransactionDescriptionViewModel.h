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

    /// The identifiers of tags, so a tag is added once.
    Published<std::set<std::string>> tagsIdentifiers{*this};
    /// In the order added.
    Published<Tags> tags{*this};
    Published<std::shared_ptr<PayeeConformable>> payee{*this};
    Published<std::string> descriptionText;

    Color tagsColor = Theme::shared().accentColor;
    SaveAction onDidSave;

    /// Hands payee, tags and description to onDidSave, when set.
    void save() const;
};

} // namespace zt
