#include "Generable.h"

#include "platform/UUID.h"

namespace zt {

GenerationID GenerationID::make() {
    return GenerationID{makeUUIDString()};
}

std::string GenerationSchema::promptRepresentation() const {
    auto properties = nlohmann::ordered_json::object();
    auto required = nlohmann::ordered_json::array();
    for (const auto& p : this->properties) {
        properties[p.name] = {{"type", p.type}, {"description", p.description}};
        if (!p.isOptional)
            required.push_back(p.name);
    }
    const nlohmann::ordered_json schema{{"title", name},
                                        {"type", "object"},
                                        {"properties", std::move(properties)},
                                        {"required", std::move(required)}};
    return schema.dump();
}

std::optional<std::string> GeneratedContent::string(std::string_view property) const {
    if (!value.is_object())
        return std::nullopt;
    const auto it = value.find(property);
    if (it == value.end() || !it->is_string())
        return std::nullopt;
    return it->get<std::string>();
}

} // namespace zt
