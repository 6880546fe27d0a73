#include "NewCategoryScreen.h"

#include "ZTSwiftUIComponents/host/BundleIconPickerDataSource.h"
#include "ZTSwiftUIComponents/host/DefaultIconPickerService.h"
#include "platform/StringTable.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace zt {

namespace {

bool isBlank(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isspace(c); });
}

/// Save and cancel of both forms.
std::vector<ui::View> formToolbar(bool canSave, std::function<void()> save, std::function<void()> dismiss) {
    return {
        ui::toolbarItem("save", ui::button(L("Save"), std::move(save)).disabled(!canSave)),
        ui::toolbarItem("cancel", ui::button(L("Cancel"),
                                             [dismiss = std::move(dismiss)] {
                                                 if (dismiss)
                                                     dismiss();
                                             })
                                      .role(ui::ButtonRole::cancel)),
    };
}

} // namespace

NewCategoryScreen::NewCategoryScreen(bool isEditing, std::string initialName, TransactionType initialType,
                                     std::string initialIconId,
                                     std::function<void(const Result&)> onSaveDidPress,
                                     std::function<void()> dismiss,
                                     std::shared_ptr<const IconPickerServicing> icons)
    : isEditing_(isEditing), onSaveDidPress_(std::move(onSaveDidPress)), dismiss_(std::move(dismiss)),
      icons_(icons ? std::move(icons)
                   : std::make_shared<DefaultIconPickerService>(
                         std::make_shared<BundleIconPickerDataSource>("category-icons"))) {
    state_->categoryName = std::move(initialName);
    state_->categoryType = initialType;
    state_->selectedIconId = initialIconId.empty() ? defaultIconId : std::move(initialIconId);
}

ui::View NewCategoryScreen::body() const {
    const auto& state = *state_;
    std::vector<ui::PickerOption> kinds;
    for (const auto type : pickerValues())
        kinds.emplace_back(std::string(rawValue(type)), localized(type));

    std::vector<ui::View> grid;
    for (const auto& icon : icons_->icon(state.iconSearchText))
        grid.push_back(ui::button(state_.action([name = icon.name](State& s) {
                           s.selectedIconId = name;
                           s.isIconPickerModal = false;
                       }),
                                  {ui::image(icon.name)})
                           .id(icon.name)
                           .accessibilityLabel(icon.name));
    if (grid.empty())
        grid.push_back(ui::text(L("No Results Found")).secondary());

    const auto save = state_.action([onSave = onSaveDidPress_, dismiss = dismiss_](State& s) {
        if (isBlank(s.categoryName))
            return;
        if (onSave)
            onSave(Result{s.categoryName, s.categoryType, s.selectedIconId});
        if (dismiss)
            dismiss();
    });

    std::vector<ui::View> content{
        ui::list({
            ui::section(L("Type", "Section of the category form"),
                        {ui::picker(L("Category Type"), kinds, std::string(rawValue(state.categoryType)),
                                    state_.action([](State& s, const std::string& raw) {
                                        s.categoryType =
                                            fromRawValue<TransactionType>(raw).value_or(s.categoryType);
                                    }))
                             .id("categoryType")}),
            ui::section(L("Name", "Section of the category form"),
                        {ui::textField(L("Enter category name"), state.categoryName,
                                       state_.binding(&State::categoryName))
                             .id("name")}),
            ui::section(
                L("Icon", "Section of the category form"),
                {ui::button(state_.setter(&State::isIconPickerModal, true), {ui::image(state.selectedIconId)})
                     .id("icon")
                     .accessibilityLabel(state.selectedIconId)}),
        }),
        ui::sheet(L("Icon", "Section of the category form"), state.isIconPickerModal,
                  state_.binding(&State::isIconPickerModal),
                  {ui::textField(L("Search..."), state.iconSearchText, state_.binding(&State::iconSearchText))
                       .id("iconSearch"),
                   ui::grid(5, std::move(grid))}),
    };
    for (auto& item : formToolbar(!isBlank(state.categoryName), save, dismiss_))
        content.push_back(std::move(item));
    return ui::navigationTitle(isEditing_ ? L("Edit Category") : L("New Category"), std::move(content));
}

NewSubcategoryScreen::NewSubcategoryScreen(bool isEditing, std::string initialName,
                                           std::function<void(const std::string&)> onSaveDidPress,
                                           std::function<void()> dismiss)
    : isEditing_(isEditing), onSaveDidPress_(std::move(onSaveDidPress)), dismiss_(std::move(dismiss)) {
    state_->name = std::move(initialName);
}

ui::View NewSubcategoryScreen::body() const {
    const auto save = state_.action([onSave = onSaveDidPress_, dismiss = dismiss_](State& s) {
        if (isBlank(s.name))
            return;
        if (onSave)
            onSave(s.name);
        if (dismiss)
            dismiss();
    });
    std::vector<ui::View> content{ui::list(
        {ui::section(L("Name", "Section of the category form"),
                     {ui::textField(L("Enter subcategory name"), state_->name, state_.binding(&State::name))
                          .id("name")})})};
    for (auto& item : formToolbar(!isBlank(state_->name), save, dismiss_))
        content.push_back(std::move(item));
    return ui::navigationTitle(isEditing_ ? L("Edit Subcategory") : L("New Subcategory"), std::move(content));
}

} // namespace zt
