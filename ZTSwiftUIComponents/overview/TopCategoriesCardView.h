#pragma once

#include "ZTSwiftUIComponents/overview/TopCategory.h"
#include "platform/NumberFormatter.h"
#include "platform/ui/View.h"

#include <string>
#include <vector>

namespace zt {

/// The top-categories card: the two categories spent on most and one "Other" row for the rest
/// (all of them when there are fewer than three), each with its share of the shown total, and a
/// chart of those shares.
class TopCategoriesCardView {
public:
    /// One shown row.
    struct Row {
        std::string name;
        double amount = 0;
        Color color;
        /// amount ÷ the sum of the shown amounts; 0 when that sum is 0.
        double share = 0;
        bool isOther = false;
    };

    TopCategoriesCardView(std::vector<TopCategory> categories, std::string formattedPeriod,
                          NumberFormatter formatter, bool isIncognito = false);

    const std::vector<Row>& rows() const { return rows_; }
    /// The sum of the shown amounts.
    double total() const { return total_; }

    ui::View body() const;

private:
    std::vector<Row> rows_;
    double total_ = 0;
    std::string formattedPeriod_;
    NumberFormatter formatter_;
    bool isIncognito_;
};

} // namespace zt
