#pragma once

#include "host-sqlite/HostDatabase.h"
#include "support/PinnedEnvironment.h"
#include "support/TemporaryDirectory.h"

#include <memory>
#include <string>

namespace zt::test {

/// A pinned test on a host database file of its own: `database` is open on `file`, and
/// reopenDatabase() closes it and opens the file again, as the next start of the app would. A
/// fixture that keeps stores over the database lets them go before it reopens.
class HostFileTest : public PinnedTest {
protected:
    explicit HostFileTest(const std::string& folderPrefix) : folder(folderPrefix) {}

    TemporaryDirectory folder;
    std::string file = (folder / "host.sqlite").string();
    std::shared_ptr<HostDatabase> database = std::make_shared<HostDatabase>(file);

    void reopenDatabase() {
        database.reset();
        database = std::make_shared<HostDatabase>(file);
    }
};

} // namespace zt::test
