#include "Icons.h"

#include "GallerySite.h"

#include <sstream>
#include <stdexcept>

namespace zt::preview {

namespace {

/// The <svg> element alone: the licence comment before it is in the folder's LICENSE file.
std::string svgElement(const std::string& file, const std::filesystem::path& path) {
    const auto start = file.find("<svg");
    const auto end = file.rfind("</svg>");
    if (start == std::string::npos || end == std::string::npos || end < start)
        throw std::runtime_error("no <svg> element in " + path.string());
    std::string svg = file.substr(start, end + 6 - start);
    for (auto& c : svg)
        if (c == '\n')
            c = ' ';
    return svg;
}

} // namespace

Icons Icons::load(const std::filesystem::path& folder) {
    Icons icons;
    std::istringstream table(readGalleryFile(folder / "symbols.tsv"));
    std::map<std::string, std::string> files;
    std::string line;
    int number = 0;
    while (std::getline(table, line)) {
        ++number;
        if (line.empty() || line.front() == '#')
            continue;
        const auto tab = line.find('\t');
        if (tab == std::string::npos || tab == 0 || tab + 1 == line.size())
            throw std::runtime_error((folder / "symbols.tsv").string() + ":" + std::to_string(number) +
                                     ": expected symbol<TAB>icon");
        const std::string icon = line.substr(tab + 1);
        auto it = files.find(icon);
        if (it == files.end()) {
            const auto path = folder / "lucide" / (icon + ".svg");
            it = files.emplace(icon, svgElement(readGalleryFile(path), path)).first;
        }
        icons.bySymbol_.insert_or_assign(line.substr(0, tab), it->second);
    }
    return icons;
}

std::string Icons::svg(std::string_view symbol) const {
    const auto it = bySymbol_.find(symbol);
    return it == bySymbol_.end() ? std::string{} : it->second;
}

} // namespace zt::preview
