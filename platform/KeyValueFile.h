#pragma once

#include "platform/KeyValueStore.h"

#include <map>
#include <string>
#include <string_view>

namespace zt {

/// The file of FileKeyValueStore: a CBOR sequence (RFC 8949, RFC 8742) of two items.
///
/// The first is one map from keys to values, byte strings as CBOR byte strings; files of earlier
/// versions hold only this map, and those versions still read the whole map of a newer file.
/// The second is an index: for every key, the place (offset, length) and CRC-32 of its value or
/// of each element of its array value, and a CRC-32 of the index itself. With it a damaged file
/// gives back every value and element whose own bytes are intact, whatever framing byte around
/// them was hit; without it (an older file, or the index damaged too) the map is read as far as
/// it is intact, keeping the complete elements of an array that damage cuts short.
class KeyValueFile {
public:
    using Values = std::map<std::string, KeyValueStore::Value>;

    struct Contents {
        Values values;
        /// False when some of the bytes were damaged or held a kind of value the store does not
        /// hold (null, maps, arrays inside arrays, integers beyond 64 bits): writing the values
        /// back would lose what those bytes held.
        bool complete = true;
    };

    static Contents decode(std::string_view bytes);
    static std::string encode(const Values& values);
};

} // namespace zt
