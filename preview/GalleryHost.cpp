#include "GalleryHost.h"

#include "host-sqlite/HostOverviewDatabase.h"
#include "host-sqlite/HostQuickEntryViewModel.h"
#include "host-sqlite/HostSeeder.h"
#include "host-sqlite/HostTransactionEntryViewModel.h"
#include "host-sqlite/HostUserDefaults.h"
#include "mocks/DemoClock.h"
#include "mocks/DemoQuickEntryViewModel.h"
#include "mocks/MockOverviewDatabase.h"
#include "mocks/MockTransactionEntryViewModel.h"
#include "platform/Environment.h"
#include "platform/InMemoryNotificationCenter.h"

namespace zt::preview {

namespace {

std::shared_ptr<HostDatabase>& galleryDatabaseSlot() {
    static std::shared_ptr<HostDatabase> database;
    return database;
}

std::shared_ptr<UserDefaults>& galleryUserDefaultsSlot() {
    static std::shared_ptr<UserDefaults> defaults;
    return defaults;
}

} // namespace

void useGalleryDatabase(std::shared_ptr<HostDatabase> database) {
    galleryUserDefaultsSlot() = database ? openHostUserDefaults(database->path()) : nullptr;
    galleryDatabaseSlot() = std::move(database);
}

std::shared_ptr<HostDatabase> galleryDatabase() {
    return galleryDatabaseSlot();
}

std::shared_ptr<UserDefaults> galleryUserDefaults() {
    if (const auto& defaults = galleryUserDefaultsSlot())
        return defaults;
    return std::make_shared<InMemoryUserDefaults>();
}

std::shared_ptr<HostDatabase> openGalleryDatabase(const std::string& path) {
    auto database = std::make_shared<HostDatabase>(path);
    // The pages show the demo day, so the demo records are dated around it.
    const Environment::Override demoDay({.timeZone = "Europe/Berlin", .now = mocks::demoNow()});
    seedDemoData(*database);
    return database;
}

std::shared_ptr<OverviewDatabase> galleryOverviewDatabase() {
    if (const auto& database = galleryDatabase())
        return std::make_shared<HostOverviewDatabase>(database);
    return std::make_shared<MockOverviewDatabase>();
}

std::shared_ptr<TransactionEntryContainerViewModel>
galleryEntryViewModel(const std::shared_ptr<OverviewDatabase>& database, TransactionType type) {
    if (auto host = std::dynamic_pointer_cast<HostOverviewDatabase>(database))
        return std::make_shared<HostTransactionEntryViewModel>(std::move(host), type);
    return std::make_shared<MockTransactionEntryViewModel>(
        std::dynamic_pointer_cast<MockOverviewDatabase>(database), type);
}

std::shared_ptr<NotificationCenter> galleryNotificationCenter() {
    return std::make_shared<InMemoryNotificationCenter>(NotificationAuthorizationStatus::authorized);
}

std::shared_ptr<QuickEntryViewModelConformable>
galleryQuickEntryViewModel(const std::shared_ptr<OverviewDatabase>& database) {
    if (auto host = std::dynamic_pointer_cast<HostOverviewDatabase>(database))
        return std::make_shared<HostQuickEntryViewModel>(std::move(host));
    return std::make_shared<DemoQuickEntryViewModel>(
        std::dynamic_pointer_cast<MockOverviewDatabase>(database));
}

} // namespace zt::preview
