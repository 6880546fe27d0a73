#pragma once

#include "ZTSwiftUIComponents/host/RawRepresentable.h"

#include <optional>
#include <string>

namespace zt {

/// How a list is ordered: by the user's own order, or by name.
enum class SortType { userDefined, alphabetically };

template <> struct RawValues<SortType> {
    static constexpr std::array<std::pair<SortType, std::string_view>, 2> cases{{
        {SortType::userDefined, "userDefined"},
        {SortType::alphabetically, "alphabetically"},
    }};
};

/// The sort's name in the environment's language.
std::string localized(SortType type);

/// A sort description: the key and the direction.
struct Sort {
    SortType type = SortType::userDefined;
    bool ascending = true;

    bool operator==(const Sort&) const = default;
};

/// The lists whose sort is remembered. Categories come first.
enum class SortEntity { categories, subcategories, tags, payees, accounts };

template <> struct RawValues<SortEntity> {
    static constexpr std::array<std::pair<SortEntity, std::string_view>, 5> cases{{
        {SortEntity::categories, "categories"},
        {SortEntity::subcategories, "subcategories"},
        {SortEntity::tags, "tags"},
        {SortEntity::payees, "payees"},
        {SortEntity::accounts, "accounts"},
    }};
};

/// The persisted sort of one list, kept in the environment's user defaults under
/// "sortType.<entity>" (the type's raw value) and "sortAscending.<entity>" (a boolean).
class SortControllerState {
public:
    /// ascending, when given, overrides the stored direction when reading.
    explicit SortControllerState(SortEntity entity, std::optional<bool> ascending = std::nullopt);

    SortEntity entity() const { return entity_; }
    /// The stored sort: user-defined and ascending when nothing (or an unknown type) is stored.
    Sort sort() const;
    /// Stores the sort so that the next reader of this entity starts with it.
    void save(const Sort& sort) const;

    static std::string typeKey(SortEntity entity);
    static std::string ascendingKey(SortEntity entity);

private:
    SortEntity entity_;
    std::optional<bool> ascending_;
};

} // namespace zt
