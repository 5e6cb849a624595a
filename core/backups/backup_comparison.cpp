#include "core/backups/backup_comparison.h"

#include "core/compare/update_comparison.h"

#include <algorithm>

namespace kanalo {

BackupDifference compareBackupWithList(const ChannelTable& backup, const ChannelTable& current) {
    constexpr bool kNamesCount = false; // the ignoreNames argument of the Update-List
    BackupDifference difference;
    for (const ListKind kind : {ListKind::Tv, ListKind::Radio}) {
        const ConstChannelList old = backup.list(kind);
        const ConstChannelList now = current.list(kind);
        difference.onlyInBackup += markUpdateDifferences(now, old, kNamesCount).size();
        const std::vector<int> onlyInList = markUpdateDifferences(old, now, kNamesCount);
        difference.onlyInList += onlyInList.size();
        for (std::size_t slot = 0; slot < now.size(); ++slot)
            if (!now[slot].isFree() &&
                !std::binary_search(onlyInList.begin(), onlyInList.end(), static_cast<int>(slot)) &&
                channelsDiffer(now[slot], old[slot], kNamesCount) != 0)
                ++difference.atAnotherSlot;
    }
    return difference;
}

} // namespace kanalo
