// Fills a new host database with the gallery's demo data.
//   zt-seed-database FILE    creates FILE (or takes an empty one) and seeds it
// A file that already has accounts is left as it is; one this host cannot use is refused.
#include "HostDatabase.h"
#include "HostSeeder.h"

#include <iostream>

int main(int argc, char** argv) {
    if (argc != 2 || std::string(argv[1]).starts_with("-")) {
        std::cerr << "usage: zt-seed-database FILE\n";
        return 2;
    }
    try {
        zt::HostDatabase database(argv[1]);
        if (!zt::seedDemoData(database)) {
            std::cerr << argv[1] << " already holds accounts; it was left as it is\n";
            return 1;
        }
        std::cout << "Seeded " << argv[1] << " with " << database.transactionCount() << " transactions\n";
        return 0;
    } catch (const std::exception& e) {
        std::cerr << "zt-seed-database: " << e.what() << '\n';
        return 1;
    }
}
