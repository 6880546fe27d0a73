#pragma once

#include "ZTSwiftUIComponents/host/TransactionType.h"
#include "ZTSwiftUIComponents/overview/OverviewDatabase.h"
#include "ZTSwiftUIComponents/transactions/QuickEntryViewModelConformable.h"
#include "ZTSwiftUIComponents/transactions/TransactionEntryContainerViewModel.h"
#include "platform/NotificationCenter.h"
#include "platform/UserDefaults.h"

#include <memory>
#include <string>

namespace zt {
class HostDatabase;
}

namespace zt::preview {

/// Where the gallery's overview and entry pages keep what a user enters: a host database file, so
/// that it is there after a restart, or (the default, and after nullptr) the in-memory demo stores.
/// Set once before serving; the pages then use it on the gallery's one thread.
void useGalleryDatabase(std::shared_ptr<HostDatabase> database);

/// The database file the pages keep their data in; none for the demo stores.
std::shared_ptr<HostDatabase> galleryDatabase();

/// The user defaults of a page: with a database file, the ones kept beside it (shared by every
/// page, so that a choice survives a reset and a restart); else fresh in-memory ones.
std::shared_ptr<UserDefaults> galleryUserDefaults();

/// Opens path (creating and seeding it with the demo data, dated at the demo day, when it is new).
/// Throws HostDatabaseError for a file the host cannot use; such a file is left unchanged.
std::shared_ptr<HostDatabase> openGalleryDatabase(const std::string& path);

/// The overview database of a page: over the file when there is one, else a fresh demo one.
std::shared_ptr<OverviewDatabase> galleryOverviewDatabase();

/// A new entry model that saves into database (one galleryOverviewDatabase() gave).
std::shared_ptr<TransactionEntryContainerViewModel>
galleryEntryViewModel(const std::shared_ptr<OverviewDatabase>& database, TransactionType type);

/// The notification centre of the card pages: the demo user has allowed notifications, so the
/// reminder list opens at the first tap.
std::shared_ptr<NotificationCenter> galleryNotificationCenter();

/// A new quick-entry model that saves into database (one galleryOverviewDatabase() gave).
std::shared_ptr<QuickEntryViewModelConformable>
galleryQuickEntryViewModel(const std::shared_ptr<OverviewDatabase>& database);

} // namespace zt::preview
