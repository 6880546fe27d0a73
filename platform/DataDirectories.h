#pragma once

namespace zt {

/// Where a copy of the library finds its own files when neither the host nor an environment
/// variable says otherwise. Programs built in the library's build tree get the build's folders; a
/// program that uses the installed package gets the folders under the install prefix. Which one is
/// decided when the program is linked.
struct DataDirectories {
    /// Holds `<language>/LC_MESSAGES/<domain>.mo`.
    const char* stringTables;
    /// Holds the bundled catalogues (icons, emoji).
    const char* resources;
};

DataDirectories defaultDataDirectories();

} // namespace zt
