#include "HostWrite.h"

#include "platform/Console.h"

namespace zt {

bool writeOrLog(HostDatabase& database, const char* what,
                const std::function<void(SqliteConnection&)>& write) {
    try {
        auto& sql = database.connection();
        SqliteTransaction transaction(sql);
        write(sql);
        transaction.commit();
        return true;
    } catch (const std::exception& e) {
        console(std::string("Not stored (") + what + "): " + e.what());
        return false;
    }
}

} // namespace zt
