#include "Emoji.h"

#include "platform/StringTable.h"

namespace zt {

Emoji Emoji::decode(const JSONReader& reader) {
    return {reader.string("emoji"), reader.string("description"),
            reader.rawValue("category", fromRawValue<Category>), reader.strings("aliases"),
            reader.strings("tags")};
}

std::string label(Emoji::Category category) {
    switch (category) {
    case Emoji::Category::smileysAndEmotion:
        return L("Smileys & Emotion", "Emoji group");
    case Emoji::Category::peopleAndBody:
        return L("People & Body", "Emoji group");
    case Emoji::Category::animalsAndNature:
        return L("Animals & Nature", "Emoji group");
    case Emoji::Category::foodAndDrinks:
        return L("Food & Drink", "Emoji group");
    case Emoji::Category::activities:
        return L("Activities", "Emoji group");
    case Emoji::Category::travelAndPlaces:
        return L("Travel & Places", "Emoji group");
    case Emoji::Category::objects:
        return L("Objects", "Emoji group");
    case Emoji::Category::symbols:
        return L("Symbols", "Emoji group");
    case Emoji::Category::flags:
        return L("Flags", "Emoji group");
    }
    return std::string(rawValue(category));
}

} // namespace zt
