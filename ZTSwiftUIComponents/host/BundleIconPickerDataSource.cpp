#include "BundleIconPickerDataSource.h"

#include "ZTSwiftUIComponents/host/ResourceDirectory.h"
#include "platform/JSONDecoder.h"

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

namespace zt {

BundleIconPickerDataSource::BundleIconPickerDataSource(std::string resourceName,
                                                       std::optional<std::string> directory)
    : resourceName_(std::move(resourceName)), directory_(std::move(directory)) {}

std::optional<std::vector<Icon>> BundleIconPickerDataSource::decode(std::string_view json,
                                                                    std::string* error) {
    // One bad entry, or one bad field of an entry, costs only that entry or field: a catalogue
    // shipped with a typo still offers every other icon.
    const auto lenient = [](auto read) -> std::optional<decltype(read())> {
        try {
            return read();
        } catch (const JSONDecodingError&) {
            return std::nullopt;
        }
    };
    try {
        const auto document = JSONDocument::parse(json);
        std::vector<Icon> out;
        std::set<std::string> seen;
        for (const auto& entry : document.root().value("icons").elements()) {
            Icon icon;
            icon.name = lenient([&] { return entry.string("name"); }).value_or("");
            if (icon.name.empty() || !seen.insert(icon.name).second)
                continue;
            icon.group = lenient([&] { return entry.string("group"); }).value_or("");
            if (const auto keywords = lenient([&] { return entry.value("keywords").elements(); }))
                for (const auto& keyword : *keywords)
                    if (auto word = lenient([&] { return keyword.string(); }))
                        icon.keywords.push_back(std::move(*word));
            out.push_back(std::move(icon));
        }
        return out;
    } catch (const JSONDecodingError& failure) {
        if (error)
            *error = failure.kind() == JSONDecodingError::Kind::dataCorrupted && failure.codingPath().empty()
                         ? "not JSON"
                         : "no \"icons\" array";
        return std::nullopt;
    }
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
