#pragma once

#include "ZTSwiftUIComponents/accounts/AccountGroupItem.h"
#include "ZTSwiftUIComponents/host/AccountType.h"
#include "ZTSwiftUIComponents/host/RawRepresentable.h"
#include "platform/ui/Binding.h"
#include "platform/ui/View.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zt {

/// How a new account is kept: linked to a bank, or by hand.
enum class NewAccountTypePicker { manual, online };

template <> struct RawValues<NewAccountTypePicker> {
    static constexpr std::array<std::pair<NewAccountTypePicker, std::string_view>, 2> cases{{
        {NewAccountTypePicker::manual, "manual"},
        {NewAccountTypePicker::online, "online"},
    }};
};

/// The choice between linking a bank account and adding a manual one; choosing sets the binding
/// and closes.
class NewAccountTypePickerView {
public:
    NewAccountTypePickerView(ui::Binding<std::optional<NewAccountTypePicker>> selection,
                             std::function<void()> dismiss = {});

    ui::View body() const;

private:
    ui::Binding<std::optional<NewAccountTypePicker>> selection_;
    std::function<void()> dismiss_;
};

/// A menu of the groups by name, choosing the group an account belongs to.
class AccountGroupPickerView {
public:
    AccountGroupPickerView(ui::Binding<std::optional<AccountGroupItem>> selection,
                           std::vector<AccountGroupItem> groups);

    ui::View body() const;

private:
    ui::Binding<std::optional<AccountGroupItem>> selection_;
    std::vector<AccountGroupItem> groups_;
};

/// The "Type" picker over every account type.
class AccountTypePickerView {
public:
    explicit AccountTypePickerView(ui::Binding<AccountType> selection);

    ui::View body() const;

private:
    ui::Binding<AccountType> selection_;
};

} // namespace zt
