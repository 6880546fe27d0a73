#pragma once

#include "ZTSwiftUIComponents/host/IconPickerServicing.h"

#include <memory>

namespace zt {

/// Searches the icons of a data source: an icon matches when its symbol name (with the dots read
/// as spaces), its group or one of its keywords contains the search text, ignoring case and
/// diacritics.
class DefaultIconPickerService final : public IconPickerServicing {
public:
    explicit DefaultIconPickerService(std::shared_ptr<const IconPickerDataSource> dataSource);

    std::vector<Icon> icon(std::string_view matching) const override;

private:
    std::shared_ptr<const IconPickerDataSource> dataSource_;
};

} // namespace zt
