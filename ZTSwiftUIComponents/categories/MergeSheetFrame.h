#pragma once

#include "platform/ui/View.h"

#include <functional>
#include <string>
#include <vector>

namespace zt {

/// What a merge sheet shows in the frame both merge sheets share.
struct MergeSheetContent {
    std::string title;
    /// The items to merge, ending with the row that adds more.
    std::vector<ui::View> toMerge;
    std::string destinationHeader;
    /// The destination's name, or none yet.
    std::string destinationName;
    std::string chooseDestinationTitle;
    std::function<void()> chooseDestination;
    /// The confirmation, with the destination's name filled in.
    std::string confirmationMessage;
    /// The pickers the rows open.
    std::vector<ui::View> sheets;
};

/// The sections "Merge" and the destination, the Merge button (a progress ring while merging),
/// Cancel, and the confirmation whose Merge runs merge.
ui::View mergeSheetFrame(MergeSheetContent content, bool isMerging, bool confirmationShown,
                         std::function<void(bool)> setConfirmationShown, std::function<void()> merge,
                         std::function<void()> dismiss);

} // namespace zt
