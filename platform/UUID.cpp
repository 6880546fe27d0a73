#include "UUID.h"

#include <algorithm>
#include <boost/uuid/random_generator.hpp>
#include <boost/uuid/uuid_io.hpp>

namespace zt {

std::string makeUUIDString() {
    // One generator per thread: seeding from the system's entropy costs more than a draw.
    thread_local boost::uuids::random_generator generator;
    std::string text = boost::uuids::to_string(generator());
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'a' && c <= 'f' ? c - 'a' + 'A' : c);
    });
    return text;
}

} // namespace zt
