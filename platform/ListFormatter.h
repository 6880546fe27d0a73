#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zt {

/// Joins texts into one list as a locale writes it ("A, B, and C" in American English, "A, B und
/// C" in German). The locale follows the environment at each call unless given.
class ListFormatter {
public:
    /// An empty identifier follows the environment.
    explicit ListFormatter(std::string localeIdentifier = {});

    ListFormatter(const ListFormatter&);
    ListFormatter& operator=(const ListFormatter&);
    ListFormatter(ListFormatter&&) noexcept;
    ListFormatter& operator=(ListFormatter&&) noexcept;
    ~ListFormatter();

    std::string localeIdentifier() const;
    /// The joined list; the empty text for no items, the item itself for one. Nothing when the
    /// locale is unusable.
    std::optional<std::string> string(const std::vector<std::string>& items) const;

    /// One-off join in the given locale (empty: the environment's).
    static std::optional<std::string> localizedString(const std::vector<std::string>& items,
                                                      std::string localeIdentifier = {});

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace zt
