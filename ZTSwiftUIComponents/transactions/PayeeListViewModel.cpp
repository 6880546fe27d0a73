#include "PayeeListViewModel.h"

#include "ZTSwiftUIComponents/transactions/ItemListSort.h"
#include "ZTSwiftUIComponents/transactions/TagName.h"
#include "platform/Console.h"
#include "platform/Environment.h"
#include "platform/UserDefaults.h"

#include <utility>

namespace zt {

namespace {

std::vector<std::size_t> payeeSearchPositions(const PayeeListViewModel::Payees& payees,
                                              const std::string& text) {
    std::vector<std::size_t> found;
    const auto query = lowercasedName(text);
    for (std::size_t i = 0; i < payees.size(); ++i)
        if (query.empty() || hasLowercasedPrefix(payees[i]->name().value_or(std::string{}), query))
            found.push_back(i);
    return found;
}

} // namespace

PayeeListViewModel::PayeeListViewModel(std::shared_ptr<DatabaseConformable> database)
    : database(std::move(database)) {
    payees.assign(this->database->fetchPayees());
    updateSort(SortControllerState(sortEntity).sort());
    isSearchPresented.set(showSearchOnAppear());
}

bool PayeeListViewModel::showSearchOnAppear() {
    return Environment::current().userDefaults().boolean(searchOnAppearKey);
}

void PayeeListViewModel::setShowSearchOnAppear(bool show) {
    objectWillChange.notify();
    Environment::current().userDefaults().set(searchOnAppearKey, show);
}

void PayeeListViewModel::reload() {
    auto fetched = database->fetchPayees();
    sortItemList(fetched, sort(), &PayeeConformable::name, &PayeeConformable::displayOrder);
    payees.set(std::move(fetched));
}

void PayeeListViewModel::updateSort(const Sort& newSort) {
    console("updateSort(sort:)");
    SortControllerState(sortEntity).save(newSort);
    sort.set(newSort);
    auto ordered = payees();
    sortItemList(ordered, newSort, &PayeeConformable::name, &PayeeConformable::displayOrder);
    payees.set(std::move(ordered));
}

void PayeeListViewModel::deleteItems(const std::vector<std::string>& withIdentifiers) {
    if (selectedPayee() && selectedPayee()->id() &&
        std::find(withIdentifiers.begin(), withIdentifiers.end(), *selectedPayee()->id()) !=
            withIdentifiers.end())
        selectedPayee.set(nullptr);
    payees.set(itemsWithout(payees(), withIdentifiers));
    database->deleteItems(withIdentifiers);
}

void PayeeListViewModel::move(const IndexSet& fromOffsets, std::size_t toOffset) {
    if (sort().type != SortType::userDefined)
        return;
    auto moved = payees();
    moveElements(moved, fromOffsets, toOffset);
    payees.set(std::move(moved));
    database->saveDisplayOrder(itemIdentifiers(payees()));
}

std::shared_ptr<PayeeConformable> PayeeListViewModel::addPayee(const std::string& name) {
    if (isBlankName(name))
        return nullptr;
    int next = 0;
    for (const auto& payee : payees())
        next = std::max(next, payee->displayOrder().value_or(0) + 1);
    auto created = database->saveNew(name, next);
    reload();
    return created;
}

bool PayeeListViewModel::rename(const std::shared_ptr<PayeeConformable>& payee, const std::string& name) {
    if (isBlankName(name))
        return false;
    payee->setName(name);
    database->save();
    reload();
    return true;
}

std::vector<std::string> PayeeListViewModel::searchResults() const {
    return payeeSearchResults(payees(), searchText());
}

std::vector<std::size_t> PayeeListViewModel::matchingPositions() const {
    return payeeSearchPositions(payees(), searchText());
}

std::vector<std::string> payeeSearchResults(const PayeeListViewModel::Payees& payees,
                                            const std::string& text) {
    std::vector<std::string> results;
    for (const auto i : payeeSearchPositions(payees, text))
        results.push_back(payees[i]->name().value_or(std::string{}));
    return results;
}

} // namespace zt
