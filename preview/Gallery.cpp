#include "Gallery.h"

namespace zt::preview {

std::vector<Page> allPages() {
    std::vector<Page> pages;
    for (auto part : {hostPages, overviewPages, creditCardPages}) {
        auto more = part();
        pages.insert(pages.end(), std::make_move_iterator(more.begin()), std::make_move_iterator(more.end()));
    }
    return pages;
}

} // namespace zt::preview
