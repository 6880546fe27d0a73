#include "Bundle.h"

#include "ZTSwiftUIComponents/host/ResourceDirectory.h"

#include <fstream>
#include <sstream>

namespace zt {

Bundle Bundle::main() {
    return Bundle(resourceDirectory());
}

std::optional<std::filesystem::path> Bundle::url(std::string_view resource) const {
    std::error_code error;
    auto path = directory_ / resource;
    if (!std::filesystem::exists(path, error) || std::filesystem::is_directory(path, error))
        return std::nullopt;
    return path;
}

std::optional<std::string> Bundle::read(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    std::ostringstream bytes;
    bytes << file.rdbuf();
    if (file.bad())
        return std::nullopt;
    return std::move(bytes).str();
}

std::string Bundle::decodingDiagnostic(std::string_view file, const JSONDecodingError& error) {
    const std::string start = "Failed to decode " + std::string(file);
    switch (error.kind()) {
    case JSONDecodingError::Kind::keyNotFound:
        return start + " from bundle due to missing key '" + error.key() + "' not found – " +
               error.contextDescription();
    case JSONDecodingError::Kind::typeMismatch:
        return start + " from bundle due to type mismatch – " + error.contextDescription();
    case JSONDecodingError::Kind::valueNotFound:
        return start + " from bundle due to missing " + error.expectedType() + " value – " +
               error.contextDescription();
    case JSONDecodingError::Kind::dataCorrupted:
        return start + " from bundle because it appears to be invalid JSON";
    }
    return start + " from bundle: " + error.what();
}

} // namespace zt
