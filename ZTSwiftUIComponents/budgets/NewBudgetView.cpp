#include "NewBudgetView.h"

#include "platform/StringTable.h"

namespace zt {

NewBudgetView::NewBudgetView(NewBudgetForm form, std::vector<BudgetCategory> categories,
                             std::function<void(const NewBudget&)> onSave, std::function<void()> onDismiss,
                             std::shared_ptr<const EmojiFetcher> emojiFetcher)
    : categories_(std::move(categories)), onSave_(std::move(onSave)), onDismiss_(std::move(onDismiss)),
      state_(State{std::move(form), std::move(emojiFetcher), std::nullopt, std::nullopt}) {}

std::vector<ui::View> NewBudgetView::sections() const {
    const NewBudgetForm& form = state_->form;
    const auto update = [this](auto change) {
        return state_.action([change](State& s, const auto&... value) { change(s.form, value...); });
    };

    std::vector<ui::PickerOption> types;
    for (const auto type : allBudgetTypes())
        types.emplace_back(std::to_string(rawValue(type)), label(type));
    std::vector<ui::View> out{ui::section(
        L("Budget Type"), {ui::picker({}, std::move(types), std::to_string(rawValue(form.budgetType)),
                                      update([](NewBudgetForm& f, const std::string& id) {
                                          for (const auto type : allBudgetTypes())
                                              if (id == std::to_string(rawValue(type)))
                                                  f.setBudgetType(type);
                                      }))
                               .id("budgetType")})};

    // The chooser is made when it opens and reports through the weak state.
    const auto openChooser = state_.action([categories = categories_, weak = state_.weak()](State& s) {
        s.chooser.emplace(
            s.form.budgetType, s.form.selectedCategoryData,
            weakCallback(weak,
                         [](State& st, const SelectedCategoryData& data) { st.form.categoryChosen(data); }),
            categories, weakCallback(weak, [](State& st) { st.form.openCategoriesScreen = false; }));
        s.form.openCategoriesScreen = true;
    });
    std::vector<ui::View> budgetFor;
    if (const auto& chosen = form.selectedCategoryData) {
        const std::size_t subcategories = chosen->selectedSubcategories.size();
        std::string summary;
        if (form.budgetType == BudgetType::category)
            summary = subcategories == 1
                          ? L("1 subcategory selected")
                          : format(L("%lld subcategories selected"), static_cast<long long>(subcategories));
        else
            summary = L("Categories: ") + std::to_string(chosen->categoryCount()) + L(", Subcategories: ") +
                      std::to_string(subcategories);
        std::string names = chosen->category.name;
        for (const auto& more : chosen->additionalCategories)
            names += ", " + more.name;
        budgetFor.push_back(ui::row({
            ui::vstack({ui::label(names, chosen->category.icon).id("chosenCategory"),
                        ui::text(summary).font(ui::Font::caption).secondary().id("chosenSummary")}),
            ui::button({}, "pencil.circle.fill", openChooser).accessibilityLabel(L("Select categories")),
        }));
    } else {
        budgetFor.push_back(ui::button(L("Select category"), openChooser).id("selectCategory"));
    }
    out.push_back(ui::section(L("Budget For"), std::move(budgetFor)));

    const auto openEmojiPicker = state_.action([weak = state_.weak()](State& s) {
        if (!s.emojiFetcher)
            s.emojiFetcher = std::make_shared<EmojiFetcher>();
        s.emojiGrid.emplace(
            s.emojiFetcher, s.form.budgetEmoji,
            weakCallback(weak, [](State& st, const std::string& emoji) { st.form.budgetEmoji = emoji; }),
            weakCallback(weak, [](State& st) { st.form.isEmojiPickerActive = false; }));
        s.form.isEmojiPickerActive = true;
    });
    out.push_back(ui::section(
        L("Name & Emoji"),
        {
            ui::row({ui::text(L("Name")), ui::textField(L("Enter budget name"), form.budgetName,
                                                        update([](NewBudgetForm& f, const std::string& text) {
                                                            f.budgetName = text;
                                                        }))
                                              .id("budgetName")}),
            form.budgetEmoji.empty()
                ? ui::button(L("Choose Emoji"), "face.smiling", openEmojiPicker).id("emoji")
                : ui::button(openEmojiPicker, {ui::text(form.budgetEmoji).font(ui::Font::title)})
                      .accessibilityLabel(L("Choose Emoji"))
                      .id("emoji"),
        }));

    std::vector<ui::View> amount{
        ui::row({ui::text(L("Limit")), ui::amountField(L("Enter amount"), form.budgetAmountField,
                                                       update([](NewBudgetForm& f, const std::string& text) {
                                                           f.budgetAmountField.setText(text);
                                                       }))
                                           .id("budgetAmount")})};
    out.push_back(
        ui::section(L("Amount"), std::move(amount),
                    form.budgetAmountField.isInvalid() ? L("The limit is not a number.") : std::string()));

    std::vector<ui::PickerOption> intervals;
    for (const auto interval : allCases<BudgetInterval>())
        intervals.emplace_back(std::string(rawValue(interval)), label(interval));
    std::vector<ui::View> period{
        ui::picker(L("Period"), std::move(intervals), std::string(rawValue(form.budgetInterval)),
                   update([](NewBudgetForm& f, const std::string& id) {
                       if (auto interval = fromRawValue<BudgetInterval>(id))
                           f.budgetInterval = *interval;
                   }))
            .id("period"),
        ui::datePicker(L("From"), form.budgetStartDate,
                       update([](NewBudgetForm& f, Date d) { f.setStartDate(d); }))
            .id("from"),
    };
    if (form.noEndDate)
        period.push_back(ui::row({ui::text(L("Until")), ui::button(L("Forever"), update([](NewBudgetForm& f) {
                                                                       f.setEndDate(f.budgetEndDate);
                                                                   }))
                                                            .id("until")}));
    else
        period.push_back(ui::row({
            ui::datePicker(L("Until"), form.budgetEndDate,
                           update([](NewBudgetForm& f, Date d) { f.setEndDate(d); }), form.budgetStartDate)
                .id("until"),
            ui::button({}, "xmark.circle.fill", update([](NewBudgetForm& f) { f.noEndDate = true; }))
                .accessibilityLabel(L("Clear end date")),
        }));
    period.push_back(ui::toggle(L("Roll over unspent money"), form.isRollover,
                                update([](NewBudgetForm& f, bool on) { f.isRollover = on; }))
                         .id("rollover"));
    out.push_back(ui::section(L("Budget Interval"), std::move(period)));

    if (form.selectedCategoryData && !form.subcategoryBudgetFields.empty()) {
        std::vector<ui::View> rows;
        for (const auto& subcategory : form.selectedCategoryData->selectedSubcategoryList()) {
            const auto field = form.subcategoryBudgetFields.find(subcategory.id);
            if (field == form.subcategoryBudgetFields.end())
                continue;
            rows.push_back(ui::row(
                {ui::text(subcategory.name),
                 ui::amountField(L("Amount"), field->second,
                                 update([id = subcategory.id](NewBudgetForm& f, const std::string& text) {
                                     f.subcategoryBudgetFields[id].setText(text);
                                 }))
                     .id("subcategory-" + subcategory.id)}));
        }
        const auto remaining = form.remainingLine();
        auto line = ui::text(remaining.text).font(ui::Font::footnote).id("remaining");
        if (remaining.exceeds)
            line.foregroundColor(negativeAmountColor);
        else
            line.secondary();
        rows.push_back(std::move(line));
        out.push_back(ui::section(L("Subcategory Budgets"), std::move(rows)));
    }
    return out;
}

ui::View NewBudgetView::body() const {
    const NewBudgetForm& form = state_->form;
    const auto problem = form.problem();
    auto content = sections();
    if (problem)
        content.push_back(
            ui::section({ui::text(*problem).font(ui::Font::footnote).secondary().id("problem")}));

    const auto dismiss = onDismiss_;
    const auto done = state_.action([onSave = onSave_, dismiss](State& s) {
        if (!s.form.canSave())
            return;
        if (onSave)
            onSave(s.form.makeBudget());
        if (dismiss)
            dismiss();
    });
    return ui::navigationTitle(
        form.editedBudgetId ? L("Edit Budget") : L("New Budget"),
        {
            ui::list(std::move(content)),
            ui::toolbarItem("cancel", ui::button(L("Cancel"), state_.action([](State& s) {
                                          s.form.cancelPressed = true;
                                      })).role(ui::ButtonRole::cancel)),
            ui::toolbarItem("done", ui::button(L("Done"), done).disabled(problem.has_value())),
            ui::sheet(
                L("Select category"), form.openCategoriesScreen,
                state_.action([](State& s, bool presented) { s.form.openCategoriesScreen = presented; }),
                {state_->chooser ? state_->chooser->body() : ui::group()}),
            ui::sheet(L("Select an emoji"), form.isEmojiPickerActive,
                      state_.action([](State& s, bool presented) { s.form.isEmojiPickerActive = presented; }),
                      {state_->emojiGrid ? state_->emojiGrid->body() : ui::group()}),
            ui::confirmationDialog(
                L("Are you sure?"), L("Are you sure you want to discard changes?"), form.cancelPressed,
                state_.action([](State& s, bool presented) { s.form.cancelPressed = presented; }),
                {
                    ui::button(L("Confirm"),
                               [dismiss] {
                                   if (dismiss)
                                       dismiss();
                               })
                        .role(ui::ButtonRole::destructive),
                    ui::button(L("Cancel"), [] {}).role(ui::ButtonRole::cancel),
                })
                .id("cancelConfirmation"),
        });
}

} // namespace zt
