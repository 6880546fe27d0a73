#include "EmojiGrid.h"

#include "platform/StringTable.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace zt {

EmojiGrid::EmojiGrid(std::shared_ptr<const EmojiFetcher> fetcher, std::string selection,
                     std::function<void(const std::string&)> setSelection, std::function<void()> onDismiss,
                     double availableWidth)
    : fetcher_(std::move(fetcher)), setSelection_(std::move(setSelection)), onDismiss_(std::move(onDismiss)),
      availableWidth_(availableWidth), state_(State{{}, std::move(selection)}) {}

std::size_t EmojiGrid::columns(double availableWidth) {
    const double fitting =
        std::floor((availableWidth + columnSpacing) / (minimumColumnWidth + columnSpacing));
    return fitting >= 1 ? static_cast<std::size_t>(fitting) : 1;
}

ui::View EmojiGrid::body() const {
    constexpr auto categories = allCases<Emoji::Category>();
    std::array<std::vector<ui::View>, categories.size()> cells;
    for (const Emoji* emoji : fetcher_->search(state_->searchText)) {
        const bool selected = emoji->emoji == state_->selection;
        auto cell = ui::button(
            state_.action([value = emoji->emoji, set = setSelection_, dismiss = onDismiss_](State& s) {
                s.selection = value;
                if (set)
                    set(value);
                if (dismiss)
                    dismiss();
            }),
            {ui::card({ui::text(emoji->emoji).font(ui::Font::largeTitle)}, selected)});
        cells[caseIndex(emoji->category)].push_back(std::move(cell).accessibilityLabel(emoji->description));
    }

    std::vector<ui::View> sections;
    const std::size_t columnCount = columns(availableWidth_);
    for (std::size_t i = 0; i < categories.size(); ++i)
        if (!cells[i].empty())
            sections.push_back(ui::section(label(categories[i]), {ui::grid(columnCount, std::move(cells[i]))})
                                   .id(std::string(rawValue(categories[i]))));
    if (sections.empty())
        sections.push_back(ui::emptyState(L("No emojis found"), {}, "magnifyingglass"));

    std::vector<ui::View> content{
        ui::textField(L("Search"), state_->searchText, state_.binding(&State::searchText)).id("search")};
    std::move(sections.begin(), sections.end(), std::back_inserter(content));
    return ui::navigationTitle(L("Select an emoji"), {ui::list(std::move(content))});
}

} // namespace zt
