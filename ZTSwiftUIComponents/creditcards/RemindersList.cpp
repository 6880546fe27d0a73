#include "RemindersList.h"

#include "ZTSwiftUIComponents/host/Theme.h"
#include "platform/StringTable.h"
#include "platform/WeakCallback.h"

#include <utility>
#include <vector>

namespace zt {

RemindersList::RemindersList(std::shared_ptr<AccountRemindersData> data, std::function<void()> onDone)
    : data_(std::move(data)), onDone_(std::move(onDone)) {}

ui::View RemindersList::body() const {
    const auto data = data_;
    std::vector<ui::View> rows;
    for (const auto& reminder : data->reminders()) {
        std::vector<ui::View> cells{
            ui::vstack({
                ui::text(reminder.name).font(ui::Font::headline),
                ui::text(data->formatter.string(reminder.date).value_or("")).font(ui::Font::subheadline),
            }),
            ui::spacer(),
        };
        if (reminder.isActive)
            cells.push_back(ui::image("checkmark.circle.fill").foregroundColor(Theme::shared().accentColor));
        rows.push_back(
            ui::button([data, id = reminder.id] { data->toggleReminder(id); }, {ui::row(std::move(cells))})
                .id(reminder.id));
    }
    return ui::group({
                         ui::list({ui::section({}, std::move(rows), data->explanation.value_or(""))}),
                         ui::toolbarItem("done", ui::button(L("Done"), callIfSet(onDone_))),
                     })
        .navigationTitle(L("Remind Me"));
}

} // namespace zt
