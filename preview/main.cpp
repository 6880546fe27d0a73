// The preview gallery: every screen of the library on demo data.
//   zt-preview [--text] [page ...] [--locale ID ...]   print the pages with the text renderer
//   zt-preview --list                                  name the pages
#include "Gallery.h"
#include "TextPreview.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    std::vector<std::string> names, locales;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--locale" && i + 1 < argc)
            locales.push_back(argv[++i]);
        else if (arg == "--list") {
            for (const auto& page : zt::preview::allPages())
                std::cout << page.name << "\t" << page.title << "\n";
            return 0;
        } else if (arg != "--text")
            names.push_back(arg);
    }
    if (locales.empty())
        locales = {"en_US", "de_DE"};
    if (zt::preview::printPages(names, locales, std::cout) == 0) {
        std::cerr << "no such page; --list shows them\n";
        return 1;
    }
    return 0;
}
