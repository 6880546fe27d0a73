#pragma once

#include "Gallery.h"
#include "platform/ui/HtmlRenderer.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zt::preview {

/// The folder of the gallery's own files (icons/, site/): ZT_GALLERY_DIR where set, else the one
/// of the checkout it was built from.
std::filesystem::path galleryFolder();

/// The whole content of one of the gallery's own files (icons, page script); throws
/// std::runtime_error naming the file when it cannot be read.
std::string readGalleryFile(const std::filesystem::path& path);

/// The gallery's settings a visitor picks; they travel in every address ("?locale=de_DE").
struct SiteSettings {
    std::string locale = "en_US";
    ui::Appearance appearance = ui::Appearance::automatic;

    /// The locales the gallery offers, in the order the switch lists them.
    static const std::vector<std::string>& locales();
    /// Reads the query parameters; nothing when one names a locale or appearance not offered.
    static std::optional<SiteSettings> fromQuery(std::string_view locale, std::string_view appearance);
    /// "locale=de_DE&appearance=dark".
    std::string query() const;
};

/// The HTML documents around the screens: the index of every page by subsystem and one page with
/// its screen. Texts are in the environment's language.
class GallerySite {
public:
    static std::string index(const std::vector<Subsystem>& gallery, const SiteSettings& settings,
                             bool incognito);
    static std::string page(const Page& page, const SiteSettings& settings, bool incognito,
                            std::uint64_t version, const std::string& screen);
    /// The renderer's stylesheet and the gallery's own.
    static std::string stylesheet();
};

} // namespace zt::preview
