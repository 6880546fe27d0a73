#include "BundleIconPickerDataSource.h"

#include "ZTSwiftUIComponents/host/ResourceDirectory.h"

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>

namespace zt {

BundleIconPickerDataSource::BundleIconPickerDataSource(std::string resourceName,
                                                       std::optional<std::string> directory)
    : resourceName_(std::move(resourceName)), directory_(std::move(directory)) {}

std::optional<std::vector<Icon>> BundleIconPickerDataSource::decode(std::string_view json,
                                                                    std::string* error) {
    const auto fail = [&](std::string reason) -> std::optional<std::vector<Icon>> {
        if (error)
            *error = std::move(reason);
        return std::nullopt;
    };
    const auto root = nlohmann::json::parse(json.begin(), json.end(), nullptr, /*allow_exceptions=*/false);
    if (root.is_discarded())
        return fail("not JSON");
    if (!root.is_object() || !root.contains("icons") || !root["icons"].is_array())
        return fail("no \"icons\" array");
    std::vector<Icon> out;
    std::set<std::string> seen;
    for (const auto& entry : root["icons"]) {
        if (!entry.is_object() || !entry.contains("name") || !entry["name"].is_string())
            continue;
        Icon icon;
        icon.name = entry["name"].get<std::string>();
        if (icon.name.empty() || !seen.insert(icon.name).second)
            continue;
        if (entry.contains("group") && entry["group"].is_string())
            icon.group = entry["group"].get<std::string>();
        if (entry.contains("keywords") && entry["keywords"].is_array())
            for (const auto& keyword : entry["keywords"])
                if (keyword.is_string())
                    icon.keywords.push_back(keyword.get<std::string>());
        out.push_back(std::move(icon));
    }
    return out;
}

void BundleIconPickerDataSource::load() const {
    const std::filesystem::path path =
        std::filesystem::path(directory_.value_or(resourceDirectory())) / (resourceName_ + ".json");
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        error_ = "cannot read " + path.string();
        return;
    }
    std::ostringstream text;
    text << file.rdbuf();
    std::string reason;
    if (auto decoded = decode(text.str(), &reason))
        icons_ = std::move(*decoded);
    else
        error_ = path.string() + ": " + reason;
}

std::vector<Icon> BundleIconPickerDataSource::icons() const {
    std::call_once(loaded_, [this] { load(); });
    return icons_;
}

std::optional<std::string> BundleIconPickerDataSource::loadError() const {
    std::call_once(loaded_, [this] { load(); });
    return error_;
}

} // namespace zt
