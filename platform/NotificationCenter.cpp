#include "NotificationCenter.h"

#include "platform/InMemoryNotificationCenter.h"

#include <utility>

namespace zt {

namespace {

std::shared_ptr<NotificationCenter>& slot() {
    static std::shared_ptr<NotificationCenter> center = std::make_shared<InMemoryNotificationCenter>();
    return center;
}

} // namespace

std::shared_ptr<NotificationCenter> NotificationCenter::current() {
    return slot();
}

void NotificationCenter::setCurrent(std::shared_ptr<NotificationCenter> center) {
    if (center)
        slot() = std::move(center);
}

} // namespace zt
