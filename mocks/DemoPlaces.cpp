#include "DemoPlaces.h"

namespace zt::demo {

namespace {

MapItem demoPlace(const char* name, const char* address, double latitude, double longitude,
                  const char* kind) {
    return MapItem{name, Placemark{name, address, Coordinate{latitude, longitude}}, std::string(kind)};
}

} // namespace

const std::vector<MapItem>& demoPlaces() {
    static const std::vector<MapItem> places{
        demoPlace("Hackescher Markt", "Hackescher Markt, 10178 Berlin", 52.52250, 13.40240,
                  "publicTransport"),
        demoPlace("Father Carpenter Coffee Brewers", "Münzstraße 21, 10178 Berlin", 52.52460, 13.40850,
                  "cafe"),
        demoPlace("The Barn Café", "Auguststraße 58, 10119 Berlin", 52.52750, 13.39800, "cafe"),
        demoPlace("Café Einstein Stammhaus", "Kurfürstenstraße 58, 10785 Berlin", 52.50320, 13.35400, "cafe"),
        demoPlace("Einstein Kaffee Unter den Linden", "Unter den Linden 42, 10117 Berlin", 52.51700, 13.38800,
                  "cafe"),
        demoPlace("Zeit für Brot", "Alte Schönhauser Straße 4, 10119 Berlin", 52.52650, 13.40680, "bakery"),
        demoPlace("Konnopke's Imbiss", "Schönhauser Allee 44B, 10435 Berlin", 52.53990, 13.41250,
                  "restaurant"),
        demoPlace("Curry 36", "Mehringdamm 36, 10961 Berlin", 52.49340, 13.38780, "restaurant"),
        demoPlace("Mustafa's Gemüse Kebap", "Mehringdamm 32, 10961 Berlin", 52.49380, 13.38800, "restaurant"),
        demoPlace("Markthalle Neun", "Eisenbahnstraße 42/43, 10997 Berlin", 52.50200, 13.43180, "store"),
        demoPlace("Dussmann das KulturKaufhaus", "Friedrichstraße 90, 10117 Berlin", 52.51830, 13.38870,
                  "store"),
        demoPlace("Galeries Lafayette Berlin", "Friedrichstraße 76-78, 10117 Berlin", 52.51390, 13.38920,
                  "store"),
        demoPlace("ALEXA", "Grunerstraße 20, 10179 Berlin", 52.51970, 13.41500, "store"),
        demoPlace("Mall of Berlin", "Leipziger Platz 12, 10117 Berlin", 52.51030, 13.38080, "store"),
        demoPlace("Rausch Schokoladenhaus", "Charlottenstraße 60, 10117 Berlin", 52.51100, 13.39100, "store"),
        demoPlace("Berlin Hauptbahnhof", "Europaplatz 1, 10557 Berlin", 52.52510, 13.36940,
                  "publicTransport"),
        demoPlace("Berlin Alexanderplatz", "Alexanderplatz, 10178 Berlin", 52.52170, 13.41140,
                  "publicTransport"),
        demoPlace("Pergamonmuseum", "Bodestraße 1-3, 10178 Berlin", 52.52120, 13.39690, "museum"),
        demoPlace("Berliner Ensemble", "Bertolt-Brecht-Platz 1, 10117 Berlin", 52.52140, 13.38680, "theater"),
        demoPlace("Friedrichstadt-Palast", "Friedrichstraße 107, 10117 Berlin", 52.52400, 13.38800,
                  "theater"),
        demoPlace("Hotel Adlon Kempinski", "Unter den Linden 77, 10117 Berlin", 52.51590, 13.38040, "hotel"),
        demoPlace("Charité Campus Mitte", "Charitéplatz 1, 10117 Berlin", 52.52600, 13.37700, "hospital"),
        demoPlace("Großer Tiergarten", "Straße des 17. Juni, 10557 Berlin", 52.51450, 13.35010, "park"),
        demoPlace("Volkspark Friedrichshain", "Am Friedrichshain 1, 10249 Berlin", 52.52850, 13.43600,
                  "park"),
    };
    return places;
}

std::shared_ptr<InMemoryLocationServices> makeDemoLocationServices(LocationAuthorizationStatus status) {
    return std::make_shared<InMemoryLocationServices>(demoPlaces(), status, demoUserPosition);
}

} // namespace zt::demo
