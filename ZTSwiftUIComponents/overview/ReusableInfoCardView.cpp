#include "ReusableInfoCardView.h"

#include "ZTSwiftUIComponents/overview/OverviewCardFrame.h"
#include "platform/StringTable.h"

namespace zt {

std::optional<ReusableInfoCardView> ReusableInfoCardView::forKind(OverviewItemType kind) {
    switch (kind) {
    case OverviewItemType::academy:
        return ReusableInfoCardView{L("Academy Plus"),
                                    L("Your journey towards financial wellness starts now!"), "zentAcademy"};
    case OverviewItemType::voteNextFeature:
        return ReusableInfoCardView{L("Vote The Next Feature"),
                                    L("You decide about the future of Zentavo. Vote now!"), "zentVote"};
    case OverviewItemType::tutorials:
        return ReusableInfoCardView{L("Tutorials"), L("Learn how to use Zentavo"), "zentTutorials"};
    case OverviewItemType::newsletter:
        return ReusableInfoCardView{L("Newsletter"),
                                    L("Register to our newletter to receive discounts & tutorials."),
                                    "zentNewsletterCard"};
    default:
        return std::nullopt;
    }
}

ui::View ReusableInfoCardView::body() const {
    return ui::hstack({
        ui::vstack({
            cardHeader(title),
            ui::text(description).font(ui::Font::subheadline).secondary(),
        }),
        ui::spacer(),
        ui::image(image),
    });
}

} // namespace zt
