#include "CreditCardStatementPayButtonView.h"

#include "ZTSwiftUIComponents/creditcards/DateUtilities.h"
#include "platform/Calendar.h"
#include "platform/StringTable.h"
#include "platform/WeakCallback.h"

#include <string>
#include <utility>
#include <vector>

namespace zt {

namespace {

constexpr ui::Color warningColor{1.0, 149.0 / 255.0, 0.0};

/// A styled text as a renderer draws it: its runs side by side, read as one sentence.
ui::View styledText(const AttributedText& text, ui::Font font) {
    std::vector<ui::View> runs;
    for (const auto& run : text.runs())
        runs.push_back(ui::text(run.text).font(font).bold(run.bold));
    return ui::hstack(std::move(runs)).accessibilityLabel(text.string());
}

} // namespace

CreditCardStatementPayButtonView::CreditCardStatementPayButtonView(Date referenceDate, Date paymentDueDate,
                                                                   DateFormatter dateFormatter,
                                                                   std::function<void()> onPaymentDidPress)
    : referenceDate_(referenceDate), paymentDueDate_(paymentDueDate),
      dateFormatter_(std::move(dateFormatter)), onPaymentDidPress_(std::move(onPaymentDidPress)) {}

ui::View CreditCardStatementPayButtonView::prompt() const {
    if (paymentDueDate_ < referenceDate_)
        return ui::hstack({
                              ui::text(L("Payment due date")).bold(),
                              ui::text(dateFormatter_.string(paymentDueDate_).value_or("")).bold(),
                          })
            .id("paymentPrompt");
    if (Calendar::current().isDate(paymentDueDate_, referenceDate_))
        return ui::text(L("Payment is due today")).bold().foregroundColor(warningColor).id("paymentPrompt");
    return styledText(paymentDueMessageAttributedString(paymentDueDate_, dateFormatter_, referenceDate_),
                      ui::Font::callout)
        .id("paymentPrompt");
}

ui::View CreditCardStatementPayButtonView::body() const {
    return ui::hstack({
        prompt(),
        ui::spacer(),
        ui::button(L("Make a Payment"), callIfSet(onPaymentDidPress_)),
    });
}

} // namespace zt
