#include "LocationItemView.h"

#include "platform/StringTable.h"

namespace zt {

ui::View LocationItemView::body() const {
    std::vector<ui::View> texts{ui::text(place.name).bold()};
    if (!place.subtitle.empty())
        texts.push_back(ui::text(place.subtitle).secondary().font(ui::Font::footnote));
    std::vector<ui::View> row{ui::image(place.systemImageName()), ui::vstack(std::move(texts)), ui::spacer()};
    if (isSelected)
        row.push_back(ui::image("checkmark").accessibilityLabel(L("Selected")));
    return ui::button(onTap, {ui::hstack(std::move(row))}).id("place-" + place.id);
}

} // namespace zt
