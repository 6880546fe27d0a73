#include "Shortcut.h"

#include "ZTSwiftUIComponents/host/DemoCatalogue.h"

#include <boost/container_hash/hash.hpp>

namespace zt {

std::vector<Shortcut> Shortcut::demo() {
    const auto make = [](const char* id, const char* name, double amount, TransactionType type,
                         std::string_view categoryId, demo::AccountRef account, bool isDynamic) {
        const auto& category = categoryId.empty() ? demo::transferCategory : demo::category(categoryId);
        return Shortcut{id,
                        name,
                        amount,
                        type,
                        std::string(category.name),
                        std::string(category.imageName),
                        std::string(account.name),
                        std::nullopt,
                        isDynamic};
    };
    return {
        make("shortcut-coffee", "Coffee", 3.8, TransactionType::expense, "cat-restaurants", demo::wallet,
             true),
        make("shortcut-groceries", "Groceries", 45, TransactionType::expense, "cat-groceries",
             demo::creditCard, false),
        make("shortcut-fuel", "Fuel", 60, TransactionType::expense, "cat-transport", demo::creditCard, false),
        make("shortcut-lunch", "Lunch", 13.5, TransactionType::expense, "cat-restaurants", demo::creditCard,
             true),
        make("shortcut-savings", "To Savings", 300, TransactionType::transferSource, "", demo::checking,
             false),
        make("shortcut-salary", "Salary", 3200, TransactionType::income, "cat-salary", demo::checking, false),
    };
}

} // namespace zt

std::size_t std::hash<zt::Shortcut>::operator()(const zt::Shortcut& s) const noexcept {
    std::size_t seed = 0;
    boost::hash_combine(seed, s.id);
    boost::hash_combine(seed, s.name);
    boost::hash_combine(seed, s.amount);
    boost::hash_combine(seed, static_cast<int>(s.type));
    boost::hash_combine(seed, s.isDynamic);
    return seed;
}
