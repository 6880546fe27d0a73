#include "FeedbackFile.h"

#include "platform/AtomicFile.h"
#include "platform/Console.h"
#include "platform/DateFormatter.h"
#include "platform/Environment.h"
#include "platform/UUID.h"

#include <boost/archive/iterators/base64_from_binary.hpp>
#include <boost/archive/iterators/transform_width.hpp>
#include <nlohmann/json.hpp>
#include <system_error>

namespace zt::ai {

namespace {

std::string iso8601(Date date) {
    static const DateFormatter formatter = [] {
        auto f = DateFormatter::withFormat("yyyy-MM-dd'T'HH:mm:ssXXXXX");
        f.setLocale("en_US_POSIX").setTimeZone("UTC");
        return f;
    }();
    return formatter.string(date).value_or("");
}

std::string base64(std::span<const std::uint8_t> bytes) {
    using namespace boost::archive::iterators;
    using Encoder = base64_from_binary<transform_width<const std::uint8_t*, 6, 8>>;
    std::string out(Encoder(bytes.data()), Encoder(bytes.data() + bytes.size()));
    out.append((3 - bytes.size() % 3) % 3, '=');
    return out;
}

} // namespace

std::string feedbackJSON(std::span<const std::uint8_t> bytes) {
    return nlohmann::json(base64(bytes)).dump();
}

std::optional<std::filesystem::path> saveFeedbackFile(std::string_view json) {
    const auto& environment = Environment::current();
    const std::string timestamp = iso8601(environment.now());
    console("Saving JSON with timestamp: " + timestamp);
    const auto& directory = environment.documentsDirectory();
    const auto path = directory / ("sessionData-" + timestamp + "-" + makeUUIDString() + ".json");
    const Logger logger{"ZTAI", "ZTAIFoundation"};
    const auto fail = [&logger](const std::string& reason) {
        console("Failed to save JSON: " + reason);
        logger.error("Failed to save JSON: {}", reason);
        return std::nullopt;
    };
    // The platform's documents directory always exists; ours may still have to be made.
    std::error_code error;
    std::filesystem::create_directories(directory, error);
    if (error)
        return fail(directory.string() + ": " + error.message());
    const AtomicFile file(path, logger);
    if (!file.update(
            [json](const std::optional<std::string>&) { return AtomicFile::Replacement{std::string(json)}; }))
        return fail("cannot write " + path.string());
    console("Saved JSON to: " + path.string());
    return path;
}

} // namespace zt::ai
