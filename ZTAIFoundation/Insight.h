#pragma once

#include "platform/Generable.h"

#include <optional>
#include <string>

namespace zt::ai {

/// A finance insight as the model rewrites it: a friendly title, a one-sentence punchline and
/// optional tips. Generable: its schema guides the model, and a value can be shown to the model
/// in a prompt or instructions.
struct Insight {
    std::string title;
    std::string message;
    std::optional<std::string> suggestions{};

    /// The insight while it streams: each property appears once the model starts writing it.
    struct PartiallyGenerated {
        GenerationID id{};
        std::optional<std::string> title{};
        std::optional<std::string> message{};
        std::optional<std::string> suggestions{};

        bool operator==(const PartiallyGenerated&) const = default;
    };

    static const GenerationSchema& generationSchema();
    static PartiallyGenerated partiallyGenerated(const GeneratedContent& content);

    GeneratedContent generatedContent() const;
    /// The insight as the model reads it in a prompt.
    std::string promptRepresentation() const { return generatedContent().jsonString(); }

    bool operator==(const Insight&) const = default;
};

} // namespace zt::ai
