#pragma once

#include "ZTSwiftUIComponents/categories/CategoriesListModelDataDelegate.h"

#include <memory>
#include <string>
#include <vector>

namespace zt::test {

inline std::shared_ptr<WidgetCategory> category(std::string id, std::string name, int order = 0,
                                                TransactionType type = TransactionType::expense) {
    return std::make_shared<WidgetCategory>(id, std::move(name), "tag.fill", type, order);
}

inline std::string names(const WidgetCategoryList& list) {
    std::string out;
    for (const auto& c : list)
        out += (out.empty() ? "" : ",") + c->name;
    return out;
}

inline std::string joined(const std::vector<std::string>& ids) {
    std::string out;
    for (const auto& id : ids)
        out += (out.empty() ? "" : ",") + id;
    return out;
}

/// Writes every call down as one line: "saveOrder a,b,c", "deleteCategories x,y".
class RecordingDelegate final : public CategoriesListModelDataDelegate {
public:
    /// Outlives the delegate, so a test can show that nothing reached a released one.
    std::shared_ptr<std::vector<std::string>> journal = std::make_shared<std::vector<std::string>>();
    std::vector<std::string>& calls = *journal;
    WidgetCategoryList savedOrder;

    void addCategory(TransactionType type) override {
        calls.push_back("addCategory " + std::string(rawValue(type)));
    }
    void editCategory(const std::shared_ptr<WidgetCategory>& c) override {
        calls.push_back("editCategory " + c->id);
    }
    void updateCategory(const std::shared_ptr<WidgetCategory>& c) override {
        calls.push_back("updateCategory " + c->id + (c->isFavorite ? " favorite" : " plain"));
    }
    void saveOrder(const WidgetCategoryList& list) override {
        savedOrder = list;
        calls.push_back("saveOrder " + names(list));
    }
    void deleteCategories(const std::vector<std::string>& ids) override {
        calls.push_back("deleteCategories " + joined(ids));
    }
    void addSubcategory(const std::shared_ptr<WidgetCategory>& c) override {
        calls.push_back("addSubcategory " + c->id);
    }
    void editSubcategory(const std::shared_ptr<WidgetSubcategory>& s) override {
        calls.push_back("editSubcategory " + s->id);
    }
    void saveSubcategoryOrder(const WidgetSubcategoryList& list,
                              const std::shared_ptr<WidgetCategory>& c) override {
        std::string order;
        for (const auto& s : list)
            order += (order.empty() ? "" : ",") + s->id + "=" + std::to_string(s->order);
        calls.push_back("saveSubcategoryOrder " + c->id + " " + order);
    }
    void moveSubcategory(const std::shared_ptr<WidgetSubcategory>& s,
                         const std::shared_ptr<WidgetCategory>& c) override {
        calls.push_back("moveSubcategory " + s->id + " " + c->id);
    }
    void deleteSubcategories(const std::vector<std::string>& ids, const std::string& categoryId) override {
        calls.push_back("deleteSubcategories " + joined(ids) + " of " + categoryId);
    }
    void mergeCategories(const WidgetCategoryList& list, const std::shared_ptr<WidgetCategory>& into,
                         std::function<void(bool)> completion) override {
        calls.push_back("mergeCategories " + names(list) + " into " + into->name);
        if (completion)
            completion(true);
    }
    void mergeSubcategories(const WidgetSubcategoryList& list,
                            const std::shared_ptr<WidgetSubcategory>& into) override {
        std::string merged;
        for (const auto& s : list)
            merged += (merged.empty() ? "" : ",") + s->id;
        calls.push_back("mergeSubcategories " + merged + " into " + into->id);
    }
};

} // namespace zt::test
