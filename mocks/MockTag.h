#pragma once

#include "ZTSwiftUIComponents/transactions/TagsConformable.h"
#include "platform/Published.h"

#include <optional>
#include <string>

namespace zt {

/// A demo tag; its name and position are observable, as a stored object's are.
class MockTag : public TagsConformable, public ObservableObject {
public:
    MockTag(std::optional<std::string> id, std::optional<std::string> name, std::optional<int> orderPosition)
        : id_(std::move(id)), name_(*this, std::move(name)), orderPosition_(*this, orderPosition) {}

    std::optional<std::string> id() const override { return id_; }
    void setId(std::optional<std::string> id) override {
        objectWillChange.notify();
        id_ = std::move(id);
    }
    std::optional<std::string> name() const override { return name_(); }
    void setName(std::optional<std::string> name) override { name_.set(std::move(name)); }
    std::optional<int> orderPosition() const override { return orderPosition_(); }
    void setOrderPosition(std::optional<int> position) override { orderPosition_.set(position); }

private:
    std::optional<std::string> id_;
    Published<std::optional<std::string>> name_;
    Published<std::optional<int>> orderPosition_;
};

} // namespace zt
