#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <string_view>

namespace zt::preview {

/// The icons the gallery draws for the platform's symbol names: a table file maps each symbol
/// name to an SVG of the vendored open icon set.
class Icons {
public:
    /// Reads folder/symbols.tsv ("symbol<TAB>icon" lines, # comments) and folder/lucide/<icon>.svg.
    /// Throws std::runtime_error naming the file when the table or a named icon cannot be read.
    static Icons load(const std::filesystem::path& folder);

    /// The SVG markup of symbol; empty when it has no icon.
    std::string svg(std::string_view symbol) const;
    bool has(std::string_view symbol) const { return bySymbol_.find(symbol) != bySymbol_.end(); }
    std::size_t size() const { return bySymbol_.size(); }

private:
    std::map<std::string, std::string, std::less<>> bySymbol_;
};

} // namespace zt::preview
