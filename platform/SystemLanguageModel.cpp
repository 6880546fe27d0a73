#include "SystemLanguageModel.h"

#include "platform/Environment.h"
#include "platform/ScriptedLanguageModel.h"

namespace zt {

std::shared_ptr<SystemLanguageModel> SystemLanguageModel::defaultModel() {
    if (const auto& model = Environment::current().languageModel())
        return model;
    // No model ships with this platform: without the host's, the device counts as not eligible.
    static const auto none = std::make_shared<ScriptedLanguageModel>(
        Availability::unavailable(UnavailableReason::deviceNotEligible));
    return none;
}

} // namespace zt
