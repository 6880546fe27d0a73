#include "DefaultIconPickerService.h"

#include "ZTSwiftUIComponents/host/KeyPathMatch.h"

#include <algorithm>

namespace zt {

DefaultIconPickerService::DefaultIconPickerService(std::shared_ptr<const IconPickerDataSource> dataSource)
    : dataSource_(std::move(dataSource)) {}

std::vector<Icon> DefaultIconPickerService::icon(std::string_view matching) const {
    if (!dataSource_)
        return {};
    auto icons = dataSource_->icons();
    const SearchText query(matching);
    if (query.isEmpty())
        return icons;
    std::erase_if(icons, [&](const Icon& icon) {
        std::string words = icon.name;
        std::replace(words.begin(), words.end(), '.', ' ');
        if (query.matches(words) || query.matches(icon.group))
            return false;
        return std::none_of(icon.keywords.begin(), icon.keywords.end(),
                            [&](const std::string& k) { return query.matches(k); });
    });
    return icons;
}

} // namespace zt
