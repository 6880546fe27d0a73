#include "Insight.h"

namespace zt::ai {

const GenerationSchema& Insight::generationSchema() {
    static const GenerationSchema schema{
        "Insight",
        {
            {"title", "An friendly title for the insight"},
            {"message", "The punchline of the insight."},
            {"suggestions", "Quick tips and tricks based on the title and message.", "string", true},
        },
    };
    return schema;
}

Insight::PartiallyGenerated Insight::partiallyGenerated(const GeneratedContent& content) {
    return PartiallyGenerated{content.id.value_or(GenerationID{}), content.string("title"),
                              content.string("message"), content.string("suggestions")};
}

GeneratedContent Insight::generatedContent() const {
    GeneratedContent content;
    content.value["title"] = title;
    content.value["message"] = message;
    if (suggestions)
        content.value["suggestions"] = *suggestions;
    return content;
}

} // namespace zt::ai
