#include "GallerySite.h"

#include "platform/AtomicFile.h"
#include "platform/Environment.h"
#include "platform/Logger.h"
#include "platform/StringTable.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

namespace zt::preview {

namespace {

using ui::HtmlRenderer;

std::string_view appearanceName(ui::Appearance appearance) {
    switch (appearance) {
    case ui::Appearance::light:
        return "light";
    case ui::Appearance::dark:
        return "dark";
    case ui::Appearance::automatic:
        break;
    }
    return "auto";
}

std::string languageName(const std::string& locale) {
    if (locale == "de_DE")
        return "Deutsch (Deutschland)";
    if (locale == "en_GB")
        return "English (United Kingdom)";
    return "English (United States)";
}

std::string head(const std::string& title, const SiteSettings& settings) {
    const std::string lang = settings.locale.substr(0, settings.locale.find('_'));
    return "<!doctype html><html lang=\"" + lang +
           "\"><head><meta charset=\"utf-8\">"
           "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">"
           "<link rel=\"icon\" href=\"data:,\"><link rel=\"stylesheet\" href=\"/gallery.css\">"
           "<script src=\"/gallery.js\" defer></script><title>" +
           HtmlRenderer::escape(title) + "</title></head>";
}

/// The language, appearance and incognito switches.
std::string switches(const SiteSettings& settings, bool incognito) {
    std::string out = "<div class=\"gallery-switches\"><label>" +
                      HtmlRenderer::escape(L("Language", "Gallery switch: the language of the screens")) +
                      " <select id=\"gallery-locale\" name=\"locale\">";
    for (const auto& locale : SiteSettings::locales()) {
        out += "<option value=\"" + locale + "\"" + (locale == settings.locale ? " selected" : "") + ">" +
               HtmlRenderer::escape(languageName(locale)) + "</option>";
    }
    out += "</select></label><label>" +
           HtmlRenderer::escape(L("Appearance", "Gallery switch: light or dark screens")) +
           " <select id=\"gallery-appearance\" name=\"appearance\">";
    const std::pair<ui::Appearance, std::string> appearances[] = {
        {ui::Appearance::automatic, L("Automatic", "Gallery appearance: as the system is set")},
        {ui::Appearance::light, L("Light", "Gallery appearance")},
        {ui::Appearance::dark, L("Dark", "Gallery appearance")},
    };
    for (const auto& [appearance, title] : appearances)
        out += "<option value=\"" + std::string(appearanceName(appearance)) + "\"" +
               (appearance == settings.appearance ? " selected" : "") + ">" + HtmlRenderer::escape(title) +
               "</option>";
    out += "</select></label><label class=\"gallery-incognito\">" +
           HtmlRenderer::escape(L("Incognito mode", "Gallery switch: hides every amount")) +
           " <input type=\"checkbox\" role=\"switch\" id=\"gallery-incognito\"" +
           (incognito ? " checked" : "") + "></label></div>";
    return out;
}

} // namespace

std::filesystem::path galleryFolder() {
    if (const char* folder = std::getenv("ZT_GALLERY_DIR"); folder && *folder)
        return folder;
    return ZT_GALLERY_DIR;
}

std::string readGalleryFile(const std::filesystem::path& path) {
    auto content = AtomicFile(path, Logger{"Gallery"}).read();
    if (!content)
        throw std::runtime_error("cannot read " + path.string());
    return std::move(*content);
}

const std::vector<std::string>& SiteSettings::locales() {
    static const std::vector<std::string> offered{"en_US", "en_GB", "de_DE"};
    return offered;
}

std::optional<SiteSettings> SiteSettings::fromQuery(std::string_view locale, std::string_view appearance) {
    SiteSettings settings;
    if (!locale.empty()) {
        const auto& offered = locales();
        if (std::find(offered.begin(), offered.end(), locale) == offered.end())
            return std::nullopt;
        settings.locale = locale;
    }
    if (appearance == "light")
        settings.appearance = ui::Appearance::light;
    else if (appearance == "dark")
        settings.appearance = ui::Appearance::dark;
    else if (!appearance.empty() && appearance != "auto")
        return std::nullopt;
    return settings;
}

std::string SiteSettings::query() const {
    return "locale=" + locale + "&appearance=" + std::string(appearanceName(appearance));
}

std::string GallerySite::index(const std::vector<Subsystem>& gallery, const SiteSettings& settings,
                               bool incognito) {
    const std::string title = L("Screen gallery", "Title of the gallery's index page");
    std::string out = head(title, settings) + "<body class=\"gallery gallery-index\" data-appearance=\"" +
                      std::string(appearanceName(settings.appearance)) +
                      "\"><header class=\"gallery-bar\"><h1>" + HtmlRenderer::escape(title) + "</h1>" +
                      switches(settings, incognito) + "</header><main class=\"gallery-list\">";
    for (const auto& subsystem : gallery) {
        out += "<section><h2>" + HtmlRenderer::escape(L(subsystem.title)) + "</h2><ul>";
        for (const auto& page : subsystem.pages)
            out += "<li><a href=\"/page/" + HtmlRenderer::escape(page.name) + "?" + settings.query() + "\">" +
                   HtmlRenderer::escape(L(page.title)) + "</a></li>";
        out += "</ul></section>";
    }
    return out + "</main></body></html>";
}

std::string GallerySite::page(const Page& page, const SiteSettings& settings, bool incognito,
                              std::uint64_t version, const std::string& screen) {
    const std::string title = L(page.title);
    return head(title, settings) + "<body class=\"gallery gallery-page\" data-page=\"" +
           HtmlRenderer::escape(page.name) + "\" data-version=\"" + std::to_string(version) +
           "\" data-appearance=\"" + std::string(appearanceName(settings.appearance)) +
           "\"><header class=\"gallery-bar\"><a id=\"gallery-home\" href=\"/?" + settings.query() + "\">" +
           HtmlRenderer::escape(L("All screens", "Gallery link back to the index")) + "</a><h1>" +
           HtmlRenderer::escape(title) + "</h1>" + switches(settings, incognito) +
           "<button type=\"button\" id=\"gallery-reset\">" +
           HtmlRenderer::escape(L("Reset", "Gallery button: puts the screen back into its demo state")) +
           "</button><p id=\"gallery-error\" role=\"alert\" hidden></p></header><main "
           "id=\"gallery-screen\">" +
           screen + "</main></body></html>";
}

std::string GallerySite::stylesheet() {
    return std::string(HtmlRenderer::stylesheet()) + R"css(
body.gallery { margin: 0; font: 15px/1.4 system-ui, sans-serif; background: #e5e5ea; color: #1c1c1e; }
body.gallery[data-appearance="dark"] { background: #111; color: #eee; }
@media (prefers-color-scheme: dark) { body.gallery[data-appearance="auto"] { background: #111; color: #eee; } }
.gallery-bar { display: flex; flex-wrap: wrap; gap: 12px 20px; align-items: center; padding: 12px 20px; }
.gallery-bar h1 { font-size: 20px; margin: 0; flex: 1 1 auto; }
.gallery-bar a { color: inherit; }
.gallery-switches { display: flex; flex-wrap: wrap; gap: 16px; }
#gallery-error { flex-basis: 100%; margin: 0; color: #d70015; }
#gallery-screen { padding: 20px 0 40px; }
.gallery-list { columns: 3 260px; padding: 0 20px 40px; }
.gallery-list section { break-inside: avoid; }
.gallery-list h2 { font-size: 17px; }
.gallery-list a { color: inherit; }
.gallery-banner { width: 360px; margin: 0 auto -64px; position: relative; z-index: 20; top: 56px; }
.gallery-banner > .zt-screen { width: auto; min-height: 0; border-radius: 16px; box-shadow: 0 8px 24px rgb(0 0 0 / 0.25);
  padding: 0; background: transparent; }
.gallery-banner .zt-card { margin: 0; }
)css";
}

} // namespace zt::preview
