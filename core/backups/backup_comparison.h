#pragma once

#include "core/channels/channel_table.h"

#include <cstddef>

namespace kanalo {

// How a backup differs from the list now, summed over the TV and the Radio list.
struct BackupDifference {
    std::size_t onlyInBackup = 0;  // backup channels that are in no slot of the list
    std::size_t onlyInList = 0;    // list channels that are in no slot of the backup
    std::size_t atAnotherSlot = 0; // list channels the backup holds, but not at their slot

    friend bool operator==(const BackupDifference&, const BackupDifference&) = default;
};

// Compares as the Update-List does, names included: two records are the same channel when
// satellite, polarisation, symbol rate, FEC, the PIDs, the service ID and the name are equal
// and the frequencies lie at most 1 MHz apart. User-list, EPG and bouquet fields play no part.
// Each list is compared with the same list of the other table only.
BackupDifference compareBackupWithList(const ChannelTable& backup, const ChannelTable& current);

} // namespace kanalo
