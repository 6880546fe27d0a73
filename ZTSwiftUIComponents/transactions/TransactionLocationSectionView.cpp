#include "TransactionLocationSectionView.h"

#include "platform/StringTable.h"

namespace zt {

ui::View TransactionLocationSectionView::body() const {
    std::vector<ui::View> rows;
    if (location) {
        std::vector<ui::View> place{ui::label(location->name, location->systemImageName()).id("placeName")};
        if (!location->subtitle.empty())
            place.push_back(ui::text(location->subtitle).secondary());
        rows.push_back(onEdit ? ui::button(onEdit, std::move(place)) : ui::vstack(std::move(place)));
        rows.push_back(ui::button(L("Delete"), "trash.circle",
                                  [set = setRemoveConfirmationPresented] {
                                      if (set)
                                          set(true);
                                  })
                           .role(ui::ButtonRole::destructive)
                           .id("removeLocation"));
        rows.push_back(
            ui::confirmationDialog(L("Are you sure?"), {}, isRemoveConfirmationPresented,
                                   setRemoveConfirmationPresented,
                                   {ui::button(L("Delete"), onRemove).role(ui::ButtonRole::destructive),
                                    ui::button(L("Cancel"), [] {}).role(ui::ButtonRole::cancel)})
                .id("removeLocationConfirmation"));
    } else if (onEdit) {
        rows.push_back(ui::button(L("Add location"), "mappin.and.ellipse", onEdit).id("addLocation"));
    } else {
        rows.push_back(ui::text(L("None")).secondary());
    }
    return ui::section(locationHeader, std::move(rows), location ? locationFooter : std::string{})
        .id("location");
}

} // namespace zt
