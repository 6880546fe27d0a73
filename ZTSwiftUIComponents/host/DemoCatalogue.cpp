#include "DemoCatalogue.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace zt::demo {

const std::vector<DemoCategory>& categories() {
    static const std::vector<DemoCategory> all{
        {"cat-groceries",
         "Groceries",
         "cart.fill",
         TransactionType::expense,
         {{"sub-supermarket", "Supermarket", "basket.fill"}, {"sub-bakery", "Bakery", "birthday.cake.fill"}}},
        {"cat-housing",
         "Housing",
         "house.fill",
         TransactionType::expense,
         {{"sub-rent", "Rent", "key.fill"}, {"sub-maintenance", "Maintenance", "hammer.fill"}}},
        {"cat-utilities",
         "Utilities",
         "bolt.fill",
         TransactionType::expense,
         {{"sub-electricity", "Electricity", "lightbulb.fill"},
          {"sub-internet", "Internet", "wifi"},
          {"sub-water", "Water", "drop.fill"}}},
        {"cat-transport",
         "Transport",
         "car.fill",
         TransactionType::expense,
         {{"sub-fuel", "Fuel", "fuelpump.fill"}, {"sub-public-transport", "Public Transport", "tram.fill"}}},
        {"cat-restaurants",
         "Restaurants",
         "fork.knife",
         TransactionType::expense,
         {{"sub-lunch", "Lunch", "takeoutbag.and.cup.and.straw.fill"},
          {"sub-dinner", "Dinner", "wineglass.fill"},
          {"sub-coffee", "Coffee", "cup.and.saucer.fill"}}},
        {"cat-entertainment",
         "Entertainment",
         "film.fill",
         TransactionType::expense,
         {{"sub-streaming", "Streaming", "play.tv.fill"}, {"sub-cinema", "Cinema", "popcorn.fill"}}},
        {"cat-shopping",
         "Shopping",
         "bag.fill",
         TransactionType::expense,
         {{"sub-clothes", "Clothes", "tshirt.fill"}, {"sub-electronics", "Electronics", "desktopcomputer"}}},
        {"cat-health",
         "Health",
         "cross.case.fill",
         TransactionType::expense,
         {{"sub-pharmacy", "Pharmacy", "pills.fill"}, {"sub-gym", "Gym", "dumbbell.fill"}}},
        {"cat-travel", "Travel", "airplane", TransactionType::expense, {}},
        {"cat-salary", "Salary", "banknote.fill", TransactionType::income, {}},
        {"cat-freelance",
         "Freelance",
         "briefcase.fill",
         TransactionType::income,
         {{"sub-consulting", "Consulting", "person.2.fill"}}},
        {"cat-interest", "Interest", "percent", TransactionType::income, {}},
        {"cat-gifts", "Gifts", "gift.fill", TransactionType::income, {}},
    };
    return all;
}

const DemoCategory& category(std::string_view id) {
    const auto& all = categories();
    const auto found = std::find_if(all.begin(), all.end(), [&](const auto& c) { return c.id == id; });
    if (found == all.end())
        throw std::logic_error("unknown demo category " + std::string(id));
    return *found;
}

const DemoSubcategory& subcategory(const DemoCategory& category, std::string_view id) {
    const auto& subs = category.subcategories;
    const auto found = std::find_if(subs.begin(), subs.end(), [&](const auto& s) { return s.id == id; });
    if (found == subs.end())
        throw std::logic_error("unknown demo subcategory " + std::string(id));
    return *found;
}

} // namespace zt::demo
