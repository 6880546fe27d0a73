#pragma once

#include "platform/JSONDecoder.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace zt {

/// Why a bundled resource could not be decoded; message is the diagnostic for the developer.
struct BundleDecodingFailure {
    std::string message;
};

/// A decoded resource, or why there is none.
template <class T> class BundleResult {
public:
    BundleResult(T value) : content_(std::move(value)) {}
    BundleResult(BundleDecodingFailure failure) : content_(std::move(failure)) {}

    explicit operator bool() const { return std::holds_alternative<T>(content_); }
    T& operator*() { return std::get<T>(content_); }
    const T& operator*() const { return std::get<T>(content_); }
    const T* operator->() const { return &std::get<T>(content_); }
    const BundleDecodingFailure& error() const { return std::get<BundleDecodingFailure>(content_); }

private:
    std::variant<T, BundleDecodingFailure> content_;
};

/// How a bundle decodes a T: a JSONDecodable type reads itself, a list reads each element.
template <class T> struct BundleDecoding {
    static T decode(const JSONReader& reader) { return T::decode(reader); }
};
template <class T> struct BundleDecoding<std::vector<T>> {
    static std::vector<T> decode(const JSONReader& reader) { return reader.array(BundleDecoding<T>::decode); }
};

/// A folder of resources shipped with the application; the main bundle is the library's resource
/// directory. Resources are read with the library's JSON decoder: dates as the platform writes
/// them (seconds since 2001), keys exactly as written.
class Bundle {
public:
    explicit Bundle(std::filesystem::path directory) : directory_(std::move(directory)) {}
    static Bundle main();

    /// Where the resource is; none when the bundle has no such file.
    std::optional<std::filesystem::path> url(std::string_view resource) const;

    /// Decodes a T from a JSON resource. A missing file, an unreadable one and a document that does
    /// not match T each give their own diagnostic (see decodingDiagnostic()).
    template <class T> BundleResult<T> decode(std::string_view file) const {
        const auto path = url(file);
        if (!path)
            return BundleDecodingFailure{"Failed to locate " + std::string(file) + " in bundle."};
        const auto bytes = read(*path);
        if (!bytes)
            return BundleDecodingFailure{"Failed to load " + std::string(file) + " from bundle."};
        return decode<T>(*bytes, file);
    }

    /// Decodes a T from bytes said to come from file; the diagnostic names the file.
    template <class T> static BundleResult<T> decode(std::string_view bytes, std::string_view file) {
        try {
            return decodeJSON(bytes, BundleDecoding<T>::decode);
        } catch (const JSONDecodingError& error) {
            return BundleDecodingFailure{decodingDiagnostic(file, error)};
        } catch (const std::exception& error) {
            return BundleDecodingFailure{"Failed to decode " + std::string(file) +
                                         " from bundle: " + error.what()};
        }
    }

    /// "Failed to decode <file> from bundle …" in the form of the error's kind.
    static std::string decodingDiagnostic(std::string_view file, const JSONDecodingError& error);

private:
    static std::optional<std::string> read(const std::filesystem::path& path);

    std::filesystem::path directory_;
};

} // namespace zt
