#pragma once

#include "ZTSwiftUIComponents/transactions/PayeeConformable.h"
#include "platform/Published.h"

#include <optional>
#include <string>

namespace zt {

/// A demo payee; its name and display order are observable, as a stored object's are.
class MockPayee : public PayeeConformable, public ObservableObject {
public:
    MockPayee(std::optional<std::string> id, std::optional<std::string> name, std::optional<int> displayOrder)
        : id_(std::move(id)), name_(*this, std::move(name)), displayOrder_(*this, displayOrder) {}

    std::optional<std::string> id() const override { return id_; }
    void setId(std::optional<std::string> id) override {
        objectWillChange.notify();
        id_ = std::move(id);
    }
    std::optional<std::string> name() const override { return name_(); }
    void setName(std::optional<std::string> name) override { name_.set(std::move(name)); }
    std::optional<int> displayOrder() const override { return displayOrder_(); }
    void setDisplayOrder(std::optional<int> order) override { displayOrder_.set(order); }

private:
    std::optional<std::string> id_;
    Published<std::optional<std::string>> name_;
    Published<std::optional<int>> displayOrder_;
};

} // namespace zt
