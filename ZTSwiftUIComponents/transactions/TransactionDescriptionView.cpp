#include "TransactionDescriptionView.h"

#include "ZTSwiftUIComponents/transactions/TagName.h"
#include "platform/StringTable.h"

#include <utility>

namespace zt {

bool isGenerateAIButtonVisible(const ProcessInfo& info) {
    return info.hasArgument("-isGenerateAIButtonVisible");
}

TransactionDescriptionView::TransactionDescriptionView(
    std::shared_ptr<TransactionDescriptionViewModel> viewModel, std::function<void()> onDismiss,
    std::shared_ptr<DatabaseConformable> payeeDatabase, std::shared_ptr<TagsDatabaseConformable> tagsDatabase)
    : viewModel_(std::move(viewModel)), onDismiss_(std::move(onDismiss)) {
    const auto vm = viewModel_;
    const auto weak = state_.weak();
    if (tagsDatabase) {
        tagListViewModel_ = std::make_shared<TagListViewModel>(std::move(tagsDatabase));
        tagList_.emplace(tagListViewModel_, [vm, weak](const std::shared_ptr<TagsConformable>& tag) {
            vm->add(tag);
            if (const auto s = weak.lock())
                s->isTagListPresented = false;
        });
    }
    if (payeeDatabase) {
        payeeListViewModel_ = std::make_shared<PayeeListViewModel>(std::move(payeeDatabase));
        payeeList_.emplace(payeeListViewModel_, [vm, weak](const std::shared_ptr<PayeeConformable>& payee) {
            vm->payee.set(payee);
            if (const auto s = weak.lock())
                s->isPayeeListPresented = false;
        });
    }
}

ui::View TransactionDescriptionView::payeeSection() const {
    const auto vm = viewModel_;
    const auto& s = *state_;
    std::vector<ui::View> rows;
    if (const auto& payee = vm->payee())
        rows.push_back(ui::row({ui::label(payee->name().value_or(std::string{}), "person.fill").id("payee"),
                                ui::button({}, "xmark.circle.fill", [vm] {
                                    vm->payee.set(nullptr);
                                }).accessibilityLabel(L("Remove payee"))}));
    rows.push_back(
        ui::button(L("Add payee"), "person.crop.circle.badge.plus",
                   state_.action([list = payeeListViewModel_, onAppear = onPayeesWillAppear](State& st) {
                       if (onAppear)
                           onAppear();
                       list->reload();
                       st.isPayeeListPresented = true;
                   }))
            .id("addPayee"));
    rows.push_back(
        ui::button(L("New payee"), "plus.circle",
                   state_.action([vm, list = payeeListViewModel_, weak = state_.weak()](State& st) {
                       st.newPayee.emplace(true, [vm, list, weak](const std::string& name) {
                           if (const auto created = list->addPayee(name)) {
                               vm->payee.set(created);
                               if (const auto state = weak.lock())
                                   state->isNewPayeePresented = false;
                           }
                       });
                       st.isNewPayeePresented = true;
                   }))
            .id("newPayee"));
    std::vector<ui::View> newPayee;
    if (s.isNewPayeePresented && s.newPayee)
        newPayee.push_back(s.newPayee->body());
    rows.push_back(ui::sheet(L("Payee"), s.isNewPayeePresented, state_.binding(&State::isNewPayeePresented),
                             std::move(newPayee)));
    std::vector<ui::View> payees;
    if (s.isPayeeListPresented)
        payees.push_back(payeeList_->body());
    rows.push_back(ui::sheet(L("Payees"), s.isPayeeListPresented,
                             state_.binding(&State::isPayeeListPresented), std::move(payees)));
    return ui::section(L("Person / Company"), std::move(rows)).id("payeeSection");
}

ui::View TransactionDescriptionView::tagsSection() const {
    const auto vm = viewModel_;
    const auto& s = *state_;
    std::vector<ui::View> rows;
    for (const auto& tag : vm->tags())
        rows.push_back(ui::row({ui::text(sanitizedName(*tag)).foregroundColor(vm->tagsColor),
                                ui::button({}, "xmark.circle.fill", [vm, tag] { vm->remove(tag); })
                                    .accessibilityLabel(L("Remove tag"))})
                           .id("tag-" + tag->id().value_or(std::string{})));
    rows.push_back(
        ui::button(L("Add tag"), "number",
                   state_.action([list = tagListViewModel_, onAppear = onTagsWillAppear](State& st) {
                       if (onAppear)
                           onAppear();
                       list->reload();
                       st.isTagListPresented = true;
                   }))
            .id("addTag"));
    std::vector<ui::View> tags;
    if (s.isTagListPresented)
        tags.push_back(tagList_->body());
    rows.push_back(ui::sheet(L("Tags"), s.isTagListPresented, state_.binding(&State::isTagListPresented),
                             std::move(tags)));
    return ui::section(L("Tags"), std::move(rows)).id("tagsSection");
}

ui::View TransactionDescriptionView::body() const {
    const auto vm = viewModel_;
    const auto onDismiss = onDismiss_;
    std::vector<ui::View> descriptionRows{
        ui::textField(L("Enter description here"), vm->descriptionText(), [vm](const std::string& text) {
            vm->descriptionText.set(text);
        }).id("descriptionText")};
    if (onGenerateDescription && isGenerateAIButtonVisible())
        descriptionRows.push_back(ui::button(L("Generate description"), "sparkles", onGenerateDescription)
                                      .id("generateDescription"));
    std::vector<ui::View> sections{ui::section(std::move(descriptionRows))};
    if (payeeListViewModel_)
        sections.push_back(payeeSection());
    if (tagListViewModel_)
        sections.push_back(tagsSection());
    return ui::navigationTitle(L("Description"), {
                                                     ui::toolbarItem("done", ui::button(L("Done"),
                                                                                        [vm, onDismiss] {
                                                                                            vm->save();
                                                                                            if (onDismiss)
                                                                                                onDismiss();
                                                                                        })),
                                                     ui::list(std::move(sections)),
                                                 });
}

} // namespace zt
