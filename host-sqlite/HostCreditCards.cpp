#include "HostCreditCards.h"

#include "HostJson.h"
#include "HostKeyValueStore.h"
#include "ZTSwiftUIComponents/creditcards/CreditCard.h"
#include "ZTSwiftUIComponents/creditcards/DateUtilities.h"
#include "ZTSwiftUIComponents/host/CurrencyFormatting.h"
#include "ZTSwiftUIComponents/host/Theme.h"
#include "mocks/CreditCardDemos.h"
#include "platform/Calendar.h"
#include "platform/Environment.h"

#include <cmath>
#include <utility>

namespace zt {

namespace {

using Reason = HostDatabaseError::Reason;

/// What the card record has no field for: the last statement's due date and entered amounts, and
/// the reminder choices, as JSON under one settings key per card.
struct HostCardExtras {
    std::optional<Date> paymentDueDate;
    std::optional<double> statementDueAmount;
    std::optional<double> minimumDueAmount;
    double paidAmount = 0;
    std::vector<ReminderToggleType> reminders;
};

std::string hostCardExtrasKey(const std::string& accountId) {
    return "creditCard." + accountId;
}

// A setting that does not read (written by a newer version, damaged) gives the defaults: the card
// record itself is intact in its own table.
HostCardExtras readHostCardExtras(HostDatabase& database, const std::string& accountId) {
    HostCardExtras extras;
    const auto text = database.value(hostCardExtrasKey(accountId));
    if (!text)
        return extras;
    const auto json = nlohmann::json::parse(*text, nullptr, false);
    if (!json.is_object())
        return extras;
    if (const auto due = optionalJsonNumber(json, "paymentDueDate"))
        extras.paymentDueDate = Date(*due);
    extras.statementDueAmount = optionalJsonNumber(json, "statementDueAmount");
    extras.minimumDueAmount = optionalJsonNumber(json, "minimumDueAmount");
    extras.paidAmount = optionalJsonNumber(json, "paidAmount").value_or(0);
    if (const auto found = json.find("reminders"); found != json.end() && found->is_array())
        for (const auto& raw : *found)
            if (raw.is_string())
                if (const auto type = fromRawValue<ReminderToggleType>(raw.get<std::string>()))
                    extras.reminders.push_back(*type);
    return extras;
}

// The due date the user chose for the stored cycle; the card's due day in the month after the
// cycle for a card stored without one.
Date storedDueDate(const CreditCard<CCTransaction>& card, const HostCardExtras& extras,
                   const Calendar& calendar) {
    const auto cycle = card.billingCycle();
    return extras.paymentDueDate.value_or(
        paymentDueDate(cycle, card.paymentDueDay(), calendar).value_or(cycle.end));
}

std::shared_ptr<CreditCard<CCTransaction>> storedCard(CreditCardDatabaseUbiquitousStore& cards,
                                                      const std::string& accountId) {
    std::shared_ptr<CreditCard<CCTransaction>> found;
    cards.retrieveCard(accountId, [&found](CreditCardDatabase::Card card) {
        found = std::dynamic_pointer_cast<CreditCard<CCTransaction>>(std::move(card));
    });
    return found;
}

} // namespace

HostCreditCards::HostCreditCards(std::shared_ptr<HostDatabase> database,
                                 std::shared_ptr<NotificationCenter> notifications)
    : database_(std::move(database)), cards_(makeHostCreditCardDatabase(database_)),
      notifications_(std::move(notifications)) {}

std::shared_ptr<CreditCardEntryProvider> HostCreditCards::entry(const WidgetAccount& account,
                                                                Date now) const {
    const Calendar calendar = Calendar::current();
    const auto card = storedCard(*cards_, account.id);
    const auto extras = readHostCardExtras(*database_, account.id);
    std::shared_ptr<CreditCardLastStatement> statement;
    if (card) {
        const auto cycle = card->billingCycle();
        statement = std::make_shared<CreditCardLastStatement>(
            cycle.start, cycle.end, storedDueDate(*card, extras, calendar), calendar);
    } else {
        const Date opening =
            calendar.adding(CalendarComponent::month, -1, calendar.startOfDay(now)).value_or(now);
        statement = std::make_shared<CreditCardLastStatement>(opening, closingDate(opening, calendar),
                                                              std::nullopt, calendar);
    }
    statement->statementDueAmount.set(extras.statementDueAmount);
    statement->minimumDueAmount.set(extras.minimumDueAmount);
    statement->paidAmount.set(extras.paidAmount);
    auto reminders =
        AccountRemindersData::create(ReminderToggle::reminders(statement->paymentDueDate(), extras.reminders),
                                     std::nullopt, notifications_);
    return std::make_shared<CreditCardEntryProvider>(card ? std::optional(card->limit()) : std::nullopt,
                                                     std::move(statement), std::move(reminders));
}

void HostCreditCards::save(const WidgetAccount& account, const CreditCardEntryProviding& entry) {
    std::vector<ReminderToggleType> reminders;
    for (const auto& reminder : entry.reminderData()()->selectedReminders())
        reminders.push_back(reminder.type);
    save(account, entry.limit()(), *entry.lastStatement()(), reminders);
}

void HostCreditCards::save(const WidgetAccount& account, std::optional<double> limit,
                           const CreditCardLastStatement& statement,
                           const std::vector<ReminderToggleType>& reminders) {
    requireFiniteAmount(limit, "the limit");
    requireFiniteAmount(statement.statementDueAmount(), "the statement balance");
    requireFiniteAmount(statement.minimumDueAmount(), "the minimum payment");
    requireFiniteAmount(statement.paidAmount(), "the paid amount");
    requireFiniteAmount(account.accountCurrencyBalance(), "the balance");

    nlohmann::json extras{{"paymentDueDate", statement.paymentDueDate().secondsSinceReferenceDate},
                          {"paidAmount", statement.paidAmount()},
                          {"reminders", nlohmann::json::array()}};
    if (const auto amount = statement.statementDueAmount())
        extras["statementDueAmount"] = *amount;
    if (const auto amount = statement.minimumDueAmount())
        extras["minimumDueAmount"] = *amount;
    for (const auto type : reminders)
        extras["reminders"].push_back(std::string(rawValue(type)));

    const auto dueDay = statement.calendar().components(statement.paymentDueDate()).day.value_or(1);
    // The amount owed: a card account's balance is negative while money is owed.
    const CreditCard<CCTransaction> card(account.id, account.name, limit.value_or(0),
                                         -account.accountCurrencyBalance(),
                                         account.currencyCode.value_or(appCurrencyCode()),
                                         statement.billingCycle(), dueDay, account.iconName, {});
    try {
        SqliteTransaction write(database_->connection());
        database_->setValue(hostCardExtrasKey(account.id), extras.dump());
        cards_->update(card);
        write.commit();
    } catch (const SqliteError& e) {
        throw HostDatabaseError(Reason::storeFailed, std::string("cannot store the card: ") + e.what());
    }
}

std::shared_ptr<CreditCardDetailsProvider> HostCreditCards::details(const WidgetAccount& account) const {
    const auto card = storedCard(*cards_, account.id);
    if (!card)
        return nullptr;
    const auto extras = readHostCardExtras(*database_, account.id);
    const auto calendar = std::make_shared<const Calendar>(Calendar::current());
    const auto cycle = card->billingCycle();
    const Date due = storedDueDate(*card, extras, *calendar);

    auto& connection = database_->connection();
    auto oldest = connection.prepare("SELECT min(date) FROM transactions WHERE account_id = ?1");
    oldest.bind(1, account.id);
    const Date including =
        oldest.step() && !oldest.isNull(0) ? std::min(Date(oldest.real(0)), cycle.start) : cycle.start;
    auto statements =
        CreditCardLastStatement::generateBillingCycles(cycle, std::max(due, cycle.end), including, calendar);
    if (statements.empty())
        return nullptr;

    // Spent in [opening, closing] (expenses less refunds); paid by transfers into the account in
    // (closing, next closing]. Newest statement first.
    auto sums = connection.prepare(
        "SELECT coalesce(sum(CASE WHEN is_expense = 1 AND date BETWEEN ?2 AND ?3 THEN amount END), 0), "
        "coalesce(sum(CASE WHEN is_expense = 0 AND is_transfer = 0 AND date BETWEEN ?2 AND ?3 THEN amount "
        "END), 0), "
        "coalesce(sum(CASE WHEN is_expense = 0 AND is_transfer = 1 AND date > ?3 AND date <= ?4 THEN amount "
        "END), 0) "
        "FROM transactions WHERE account_id = ?1 AND date BETWEEN ?2 AND ?4");
    for (std::size_t i = 1; i < statements.size(); ++i) {
        auto& statement = *statements[i];
        const Date nextClosing = statements[i - 1]->closingDate();
        sums.bind(1, account.id)
            .bind(2, statement.openingDate().secondsSinceReferenceDate)
            .bind(3, statement.closingDate().secondsSinceReferenceDate)
            .bind(4, nextClosing.secondsSinceReferenceDate);
        if (sums.step()) {
            statement.statementDueAmount.set(std::max(0.0, sums.real(0) - sums.real(1)));
            statement.paidAmount.set(sums.real(2));
        }
        sums.reset();
    }
    auto& newest = *statements.front();
    newest.statementDueAmount.set(extras.statementDueAmount);
    newest.minimumDueAmount.set(extras.minimumDueAmount);
    newest.paidAmount.set(extras.paidAmount);
    return std::make_shared<CreditCardDetailsProvider>(
        account.name, card->iconName(), Theme::shared().accentColor, card->limit(), std::move(statements));
}

std::size_t HostCreditCards::transactionCount(const std::string& accountId,
                                              const DateInterval& interval) const {
    auto count = database_->connection().prepare(
        "SELECT count(*) FROM transactions WHERE account_id = ?1 AND date BETWEEN ?2 AND ?3");
    count.bind(1, accountId)
        .bind(2, interval.start.secondsSinceReferenceDate)
        .bind(3, interval.end.secondsSinceReferenceDate);
    return count.step() ? static_cast<std::size_t>(count.integer(0)) : 0;
}

void seedDemoCreditCards(HostDatabase& database) {
    // Borrowed for this call only: the seeder holds the database by reference.
    HostCreditCards cards(std::shared_ptr<HostDatabase>(&database, [](HostDatabase*) {}), nullptr);
    const auto statement = CreditCardDemo::lastStatement(Environment::current().now());
    for (const auto& account : database.accounts())
        if (account.type == AccountType::creditCard && !storedCard(*cards.cards(), account.id))
            cards.save(account, CreditCardDemo::limit, *statement, CreditCardDemo::reminderTypes());
}

} // namespace zt
