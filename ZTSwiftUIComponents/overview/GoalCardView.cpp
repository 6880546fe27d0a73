#include "GoalCardView.h"

#include "ZTSwiftUIComponents/overview/OverviewCardFrame.h"
#include "platform/StringTable.h"
#include "platform/WeakCallback.h"

#include <utility>

namespace zt {

ui::View GoalCardView::body() const {
    std::vector<ui::View> content;
    content.push_back(ui::hstack({
        cardHeader(L("Smart Goals")),
        ui::spacer(),
        ui::button(L("View All"), callIfSet(onViewAll)).id("viewAllGoals"),
    }));
    if (goals.empty()) {
        content.push_back(
            ui::emptyState(L("No goals available."), {}, "flag.slash",
                           {ui::button(L("Add Goal"), "plus", callIfSet(onAddGoal)).id("addGoal")}));
        return ui::vstack(std::move(content));
    }
    content.push_back(ui::text(L("Total Goals: ", "Goals card: followed by the number of goals") +
                               std::to_string(goals.size()))
                          .font(ui::Font::subheadline)
                          .secondary()
                          .id("totalGoals"));
    for (const auto& goal : goals) {
        content.push_back(ui::button(callIfSet(onSelectGoal, goal.id),
                                     {ui::vstack({
                                         ui::label(goal.name, goal.imageName),
                                         ui::text(isIncognito ? std::string(hiddenAmountText)
                                                              : goal.progressText(formatter))
                                             .font(ui::Font::caption)
                                             .secondary(),
                                         ui::progressBar(goal.progress()),
                                     })})
                              .id(goal.id));
    }
    return ui::vstack(std::move(content));
}

} // namespace zt
