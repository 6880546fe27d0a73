#include "Theme.h"

namespace zt {

const Theme& Theme::shared() {
    static const Theme theme;
    return theme;
}

} // namespace zt
