#pragma once

#include "ZTSwiftUIComponents/host/IconPickerServicing.h"
#include "ZTSwiftUIComponents/host/TransactionType.h"
#include "platform/ui/ScreenState.h"
#include "platform/ui/View.h"

#include <functional>
#include <memory>
#include <string>

namespace zt {

/// The form for a new category, or for editing one: kind, name and icon. Save is offered once
/// the name is not blank.
class NewCategoryScreen {
public:
    struct Result {
        std::string name;
        TransactionType type = TransactionType::expense;
        std::string iconId;
    };

    /// The icon shown until the user picks one.
    static constexpr const char* defaultIconId = "star";

    /// icons defaults to the bundled category icons.
    NewCategoryScreen(bool isEditing, std::string initialName, TransactionType initialType,
                      std::string initialIconId, std::function<void(const Result&)> onSaveDidPress = {},
                      std::function<void()> dismiss = {},
                      std::shared_ptr<const IconPickerServicing> icons = nullptr);

    ui::View body() const;

private:
    struct State {
        std::string categoryName;
        TransactionType categoryType = TransactionType::expense;
        std::string selectedIconId;
        std::string iconSearchText;
        bool isIconPickerModal = false;
    };

    bool isEditing_;
    std::function<void(const Result&)> onSaveDidPress_;
    std::function<void()> dismiss_;
    std::shared_ptr<const IconPickerServicing> icons_;
    ui::ScreenState<State> state_;
};

/// The form for a new subcategory, or for renaming one.
class NewSubcategoryScreen {
public:
    NewSubcategoryScreen(bool isEditing, std::string initialName,
                         std::function<void(const std::string&)> onSaveDidPress = {},
                         std::function<void()> dismiss = {});

    ui::View body() const;

private:
    struct State {
        std::string name;
    };

    bool isEditing_;
    std::function<void(const std::string&)> onSaveDidPress_;
    std::function<void()> dismiss_;
    ui::ScreenState<State> state_;
};

} // namespace zt
