#pragma once

#include "ZTSwiftUIComponents/host/RawRepresentable.h"
#include "platform/JSONDecoder.h"

#include <string>
#include <vector>

namespace zt {

/// One emoji of the bundled catalogue: its character sequence, its English name, its group, its
/// short names (snake_case) and its keywords.
struct Emoji {
    /// The catalogue's groups, in the order the picker shows them; the raw values are the group
    /// titles and the catalogue's "category" texts.
    enum class Category {
        smileysAndEmotion,
        peopleAndBody,
        animalsAndNature,
        foodAndDrinks,
        activities,
        travelAndPlaces,
        objects,
        symbols,
        flags,
    };

    std::string emoji;
    std::string description;
    Category category = Category::smileysAndEmotion;
    std::vector<std::string> aliases;
    std::vector<std::string> tags;

    bool operator==(const Emoji&) const = default;

    /// Reads one catalogue entry: every key is required, "category" must be one of the raw
    /// values.
    static Emoji decode(const JSONReader& reader);
};

template <> struct RawValues<Emoji::Category> {
    static constexpr std::array<std::pair<Emoji::Category, std::string_view>, 9> cases{{
        {Emoji::Category::smileysAndEmotion, "Smileys & Emotion"},
        {Emoji::Category::peopleAndBody, "People & Body"},
        {Emoji::Category::animalsAndNature, "Animals & Nature"},
        {Emoji::Category::foodAndDrinks, "Food & Drink"},
        {Emoji::Category::activities, "Activities"},
        {Emoji::Category::travelAndPlaces, "Travel & Places"},
        {Emoji::Category::objects, "Objects"},
        {Emoji::Category::symbols, "Symbols"},
        {Emoji::Category::flags, "Flags"},
    }};
};

/// The group title in the environment's language.
std::string label(Emoji::Category category);

} // namespace zt
