#pragma once

#include <cstdint>
#include <string>

namespace zt {

/// A failure kept as a value, the way the platform's errors carry a domain, a code and a text:
/// what an observable "last error" holds and a screen shows.
struct Error {
    std::string domain;
    std::int64_t code = 0;
    std::string localizedDescription;

    bool operator==(const Error&) const = default;
};

} // namespace zt
