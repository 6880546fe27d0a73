#pragma once

#include "ZTSwiftUIComponents/transactions/DatabaseConformable.h"
#include "ZTSwiftUIComponents/transactions/PayeeEntryView.h"
#include "ZTSwiftUIComponents/transactions/PayeeListView.h"
#include "ZTSwiftUIComponents/transactions/TagListView.h"
#include "ZTSwiftUIComponents/transactions/TagsDatabaseConformable.h"
#include "ZTSwiftUIComponents/transactions/TransactionDescriptionViewModel.h"
#include "platform/ProcessInfo.h"
#include "platform/ui/ScreenState.h"
#include "platform/ui/View.h"

#include <functional>
#include <memory>
#include <optional>

namespace zt {

/// Whether the description editor offers its text-generation button: the process was launched
/// with "-isGenerateAIButtonVisible".
bool isGenerateAIButtonVisible(const ProcessInfo& info = ProcessInfo::processInfo());

/// The description editor of the entry screen: the description text, the payee (chosen from the
/// payee list or created on the spot) and the tags (chosen from the tag list). "Done" hands
/// description, payee and tags to the view model's onDidSave and closes. Without a store its row
/// is not offered. Copies share their state; keep one while the editor is shown.
class TransactionDescriptionView {
public:
    TransactionDescriptionView(std::shared_ptr<TransactionDescriptionViewModel> viewModel,
                               std::function<void()> onDismiss,
                               std::shared_ptr<DatabaseConformable> payeeDatabase = nullptr,
                               std::shared_ptr<TagsDatabaseConformable> tagsDatabase = nullptr);

    /// Heard before a list is shown, so the host can refresh its store.
    std::function<void()> onTagsWillAppear;
    std::function<void()> onPayeesWillAppear;
    /// The host's text generation; its button shows only under the launch switch.
    std::function<void()> onGenerateDescription;

    ui::View body() const;

private:
    struct State {
        bool isTagListPresented = false;
        bool isPayeeListPresented = false;
        bool isNewPayeePresented = false;
        std::optional<PayeeEntryView> newPayee;
    };

    ui::View payeeSection() const;
    ui::View tagsSection() const;

    std::shared_ptr<TransactionDescriptionViewModel> viewModel_;
    std::function<void()> onDismiss_;
    std::shared_ptr<TagListViewModel> tagListViewModel_;
    std::shared_ptr<PayeeListViewModel> payeeListViewModel_;
    std::optional<TagListView> tagList_;
    std::optional<PayeeListView> payeeList_;
    ui::ScreenState<State> state_;
};

} // namespace zt
