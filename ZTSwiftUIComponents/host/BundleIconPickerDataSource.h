#pragma once

#include "ZTSwiftUIComponents/host/IconPickerServicing.h"

#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

namespace zt {

/// Icons from a JSON catalogue bundled with the library: `<directory>/<resourceName>.json`, with the
/// directory defaulting to resourceDirectory(). The file is
/// `{"icons": [{"name": "creditcard.fill", "group": "Banking", "keywords": ["card", …]}, …]}`.
/// It is read once, on first use. A missing or malformed file gives no icons (see loadError());
/// entries without a name, and repeated names, are skipped.
class BundleIconPickerDataSource final : public IconPickerDataSource {
public:
    /// The catalogue resourceName.json in directory, or in resourceDirectory() when none is given.
    /// Reads nothing yet.
    explicit BundleIconPickerDataSource(std::string resourceName,
                                        std::optional<std::string> directory = std::nullopt);

    /// The catalogue's icons in file order, read on the first call; empty when it could not be read.
    std::vector<Icon> icons() const override;
    /// Why the catalogue could not be read, once it has been tried.
    std::optional<std::string> loadError() const;

    /// Decodes a catalogue text; nothing (with the reason in error, when given) for a text that is
    /// not JSON or has no "icons" array.
    static std::optional<std::vector<Icon>> decode(std::string_view json, std::string* error = nullptr);

private:
    void load() const;

    std::string resourceName_;
    std::optional<std::string> directory_;
    mutable std::once_flag loaded_;
    mutable std::vector<Icon> icons_;
    mutable std::optional<std::string> error_;
};

} // namespace zt
