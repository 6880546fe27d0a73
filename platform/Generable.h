#pragma once

#include <concepts>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

/// The vocabulary of structured generation: a type describes its output as a schema, the model
/// fills in content that follows it, and while a response streams the content arrives partially
/// (properties in schema order, each growing until it is complete).
namespace zt {

/// Identifies one generated value across the snapshots of its stream.
struct GenerationID {
    std::string value;

    /// A fresh identifier.
    static GenerationID make();
    bool operator==(const GenerationID&) const = default;
};

/// What a generable type asks the model for: its properties in order, each with the guide that
/// tells the model what to put there.
struct GenerationSchema {
    struct Property {
        std::string name;
        std::string description; // the guide given to the model
        std::string type = "string";
        bool isOptional = false;

        bool operator==(const Property&) const = default;
    };

    std::string name;
    std::vector<Property> properties;

    /// The schema as the model reads it in a prompt (a JSON schema, properties in order).
    std::string promptRepresentation() const;
    bool operator==(const GenerationSchema&) const = default;
};

/// Structured content, complete or partial: a JSON object whose members follow a schema.
struct GeneratedContent {
    std::optional<GenerationID> id{};
    nlohmann::ordered_json value = nlohmann::ordered_json::object();

    /// The property's text; nothing when it is absent or not a text.
    std::optional<std::string> string(std::string_view property) const;
    /// The content as JSON text, the way a value is shown to the model in a prompt.
    std::string jsonString() const { return value.dump(); }
    bool operator==(const GeneratedContent&) const = default;
};

/// A type the model can generate: it names its schema and reads a partial value from content.
template <class T>
concept Generable = requires(const GeneratedContent& content) {
    typename T::PartiallyGenerated;
    { T::generationSchema() } -> std::convertible_to<GenerationSchema>;
    { T::partiallyGenerated(content) } -> std::same_as<typename T::PartiallyGenerated>;
};

} // namespace zt
