#include "MergeSheetFrame.h"

#include "platform/StringTable.h"

namespace zt {

ui::View mergeSheetFrame(MergeSheetContent content, bool isMerging, bool confirmationShown,
                         std::function<void(bool)> setConfirmationShown, std::function<void()> merge,
                         std::function<void()> dismiss) {
    ui::View destination =
        content.destinationName.empty()
            ? ui::button(content.chooseDestinationTitle, content.chooseDestination).id("destination")
            : ui::button(content.chooseDestination, {ui::text(content.destinationName)}).id("destination");
    ui::View mergeItem = isMerging ? ui::progressRing(0).accessibilityLabel(L("Merging"))
                                   : ui::button(L("Merge"), "arrow.triangle.merge",
                                                [setConfirmationShown] { setConfirmationShown(true); });
    std::vector<ui::View> children{
        ui::list({
            ui::section(L("Merge", "Section of the categories that will be merged"),
                        std::move(content.toMerge))
                .id("toMerge"),
            ui::section(content.destinationHeader, {std::move(destination)}),
        }),
        ui::toolbarItem("merge", std::move(mergeItem)),
        ui::toolbarItem("cancel", ui::button(L("Cancel"),
                                             [dismiss] {
                                                 if (dismiss)
                                                     dismiss();
                                             })
                                      .role(ui::ButtonRole::cancel)),
        ui::confirmationDialog(content.title, content.confirmationMessage, confirmationShown,
                               std::move(setConfirmationShown),
                               {
                                   ui::button(L("Merge"), std::move(merge)),
                                   ui::button(L("Cancel"), [] {}).role(ui::ButtonRole::cancel),
                               })
            .id("mergeConfirmation"),
    };
    for (auto& sheet : content.sheets)
        children.push_back(std::move(sheet));
    return ui::navigationTitle(std::move(content.title), std::move(children));
}

} // namespace zt
