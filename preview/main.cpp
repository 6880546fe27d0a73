// The preview gallery: every screen of the library on demo data.
//   zt-preview [--port N] [--stop-after SECONDS]      serve the gallery on 127.0.0.1
//              [--database FILE | --demo]            on a database file (by default one in the build
//                                                    folder, created and seeded on first start), or on
//                                                    the in-memory demo stores
//   zt-preview --text [page ...] [--locale ID ...]   print the pages with the text renderer (demo
//                                                    stores unless --database is given)
//   zt-preview --list                                name the pages
// Arguments with a single dash (-isGenerateAIButtonVisible) are launch switches of the library.
#include "Gallery.h"
#include "GalleryHost.h"
#include "GalleryServer.h"
#include "TextPreview.h"
#include "platform/ProcessInfo.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <ctime>
#include <exception>
#include <iostream>
#include <string>
#include <thread>
#include <vector>

namespace {

int serve(int port, double stopAfter) {
    // Signals are taken by one thread that stops the server, so no handler runs inside it.
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);

    zt::preview::GalleryServer server({.port = port});
    std::cout << "Gallery: " << server.address() << std::endl;
    std::thread stopper([&] {
        if (stopAfter > 0) {
            using namespace std::chrono;
            const auto limit = duration_cast<nanoseconds>(duration<double>(stopAfter));
            const timespec wait{static_cast<std::time_t>(duration_cast<seconds>(limit).count()),
                                static_cast<long>((limit % seconds(1)).count())};
            sigtimedwait(&signals, nullptr, &wait);
        } else {
            int signal = 0;
            sigwait(&signals, &signal);
        }
        server.stop();
    });
    server.serve();
    // Wakes the stopper when serve() ended for another reason.
    pthread_kill(stopper.native_handle(), SIGTERM);
    stopper.join();
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    zt::ProcessInfo::processInfo().setArguments(argc, argv);
    std::vector<std::string> names, locales;
    bool text = false;
    bool demo = false;
    std::string database;
    int port = 0;
    double stopAfter = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--locale" && i + 1 < argc)
            locales.push_back(argv[++i]);
        else if (arg == "--port" && i + 1 < argc)
            port = std::atoi(argv[++i]);
        else if (arg == "--stop-after" && i + 1 < argc)
            stopAfter = std::atof(argv[++i]);
        else if (arg == "--database" && i + 1 < argc)
            database = argv[++i];
        else if (arg == "--demo")
            demo = true;
        else if (arg == "--text")
            text = true;
        else if (arg == "--list") {
            for (const auto& page : zt::preview::allPages())
                std::cout << page.name << "\t" << page.title << "\n";
            return 0;
        } else if (arg.rfind("--", 0) == 0) {
            std::cerr << "unknown option " << arg << "\n";
            return 2;
        } else if (arg.rfind('-', 0) != 0)
            names.push_back(arg);
    }
    if (demo && !database.empty()) {
        std::cerr << "--demo and --database exclude each other\n";
        return 2;
    }
    if (!demo && (!text || !database.empty())) {
        try {
            zt::preview::useGalleryDatabase(
                zt::preview::openGalleryDatabase(database.empty() ? ZT_GALLERY_DATABASE : database));
        } catch (const std::exception& e) {
            std::cerr << "zt-preview: " << e.what() << "\n";
            return 1;
        }
    }
    if (!text) {
        if (!names.empty() || !locales.empty()) {
            std::cerr << "pages and --locale belong to --text\n";
            return 2;
        }
        try {
            return serve(port, stopAfter);
        } catch (const std::exception& e) {
            std::cerr << "zt-preview: " << e.what() << "\n";
            return 1;
        }
    }
    if (locales.empty())
        locales = {"en_US", "de_DE"};
    if (zt::preview::printPages(names, locales, std::cout) == 0) {
        std::cerr << "no such page; --list shows them\n";
        return 1;
    }
    return 0;
}
