#include "cli/cli_support.h"

#include "core/channels/channel_file.h"

#include <cstdio>

namespace kanalo::cli {

const char* const kUsage =
    "Usage: kanalo-list convert IN OUT [--form short|long]\n"
    "       kanalo-list dump IN\n"
    "       kanalo-list print IN [--radio] [--columns MASK] [--hex] [--german]\n"
    "       kanalo-list sort IN OUT --key name|sat|freq|pol [--radio]\n"
    "       kanalo-list diff MAIN UPDATE [--radio] [--ignore-names]\n"
    "       kanalo-list import-dvb IN.dvb OUT [--form short|long]\n"
    "       kanalo-list duplicates IN [--radio]\n"
    "       kanalo-list import-vdr IN.conf OUT [--form short|long]\n"
    "       kanalo-list export-vdr IN OUT.conf\n"
    "       kanalo-list export-csv IN OUT.csv\n"
    "       kanalo-list apply-order REFERENCE IN OUT [--tv | --radio] [--remove-unmatched]\n"
    "       kanalo-list backups [--folder DIR] [--compare LIST]\n"
    "\n"
    "  convert  reads the channel list file IN and saves it as OUT (default form: long);\n"
    "           an existing OUT is kept as its .bak backup unless one exists already\n"
    "  dump     prints one JSON object per channel, TV list first\n"
    "  print    prints the TV (or Radio) list as the printer does: a header, a rule and one\n"
    "           line per channel; MASK selects the columns (bit k = column k, decimal or\n"
    "           0x hexadecimal, 0 = all), --hex shows PIDs in hexadecimal, --german uses\n"
    "           the German headings\n"
    "  sort     sorts the TV (or Radio) list of IN as a click on the column header does and\n"
    "           saves the result as OUT in the long form, with the backup rule of convert;\n"
    "           the channels take the numbers of their new positions\n"
    "  diff     compares the TV (or Radio) lists of two files: prints the numbers of the\n"
    "           UPDATE channels that are in no slot of MAIN, a line \"--\", then the numbers\n"
    "           of the MAIN channels missing from UPDATE; --ignore-names leaves the names\n"
    "           out of the first comparison (the second always ignores them)\n"
    "  import-dvb  reads the DVB2000 channel list IN.dvb, every group of it, and saves its TV\n"
    "           and Radio channels as OUT (default form: long) with the backup rule of convert;\n"
    "           each list takes at most 1999 channels, the first 999 in the user list\n"
    "  duplicates  lists the groups of channels in the TV (or Radio) list that share\n"
    "           frequency, polarisation, satellite, PIDs, service ID and FEC (in the Radio\n"
    "           list the video PID is ignored), as Find Duplicates does: \"*\" heads a group;\n"
    "           then number, list, name, satellite number and frequency, tab-separated\n"
    "  import-vdr  reads the VDR channels.conf IN.conf and saves its DVB-S channels as OUT\n"
    "           (default form: long) with the backup rule of convert; video PID 0 goes to the\n"
    "           Radio list; each list takes at most 1999 channels, the first 999 in the user\n"
    "           list; prints how many were imported and why lines were skipped\n"
    "  export-vdr  writes the channels of IN as a VDR channels.conf: \":TV\" and the TV list,\n"
    "           then \":Radio\" and the Radio list; channels on a satellite without a position\n"
    "           (User 1 to User 15) are left out and counted\n"
    "  export-csv  writes both lists of IN as a UTF-8 CSV file with a header row, one row per\n"
    "           channel\n"
    "  apply-order  brings the lists of IN into the order of REFERENCE and saves them as OUT\n"
    "           in the long form with the backup rule of convert. REFERENCE is a channel list\n"
    "           file, a VDR channels.conf (video PID 0 for Radio) or a UTF-8 text of channel\n"
    "           names, one per line (blank lines and lines starting with \"#\" skipped). A\n"
    "           channel matches by satellite, frequency, polarisation and service ID, else by\n"
    "           its name (blanks and case ignored); the matched channels come first in the\n"
    "           order of REFERENCE, the others follow in their order or, with\n"
    "           --remove-unmatched, are removed; --tv or --radio orders one list only;\n"
    "           prints how many channels were ordered\n"
    "  backups  lists the backups Kanalo keeps of the lists loaded from and sent to the Box,\n"
    "           newest first, one line each: date and time, \"from Box\" or \"to Box\", \"TV\"\n"
    "           and \"Radio\" with the channel counts, then the path, tab-separated (\"?\" for\n"
    "           a backup that cannot be read); with --compare, before the path, how the backup\n"
    "           differs from the channel list file LIST: \"only in backup\", \"only in list\"\n"
    "           and \"at another slot\" with counts. DIR defaults to\n"
    "           $XDG_DATA_HOME/Kanalo/backups (~/.local/share/Kanalo/backups)\n";

int usage() {
    std::fputs(kUsage, stderr);
    return kExitUsage;
}

int fail(const char* message) {
    std::fprintf(stderr, "%s\n", message);
    return kExitFailure;
}

int writeToStdout(const std::string& text) {
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0)
        return fail("File write error.");
    return 0;
}

int loadTable(std::string_view path, ChannelTable& table) {
    if (const LoadStatus status = loadChannelFile(std::string(path), table);
        status != LoadStatus::Ok)
        return fail(statusMessage(status));
    return 0;
}

int saveTable(std::string_view path, const ChannelTable& table, FileForm form) {
    if (const SaveStatus status = saveChannelFile(std::string(path), table, form);
        status != SaveStatus::Ok)
        return fail(statusMessage(status));
    return 0;
}

std::optional<FileForm> outputForm(const Arguments& args) {
    if (args.size() == 2)
        return FileForm::Long;
    if (args.size() != 4 || args[2] != "--form")
        return std::nullopt;
    if (args[3] == "short")
        return FileForm::Short;
    if (args[3] == "long")
        return FileForm::Long;
    return std::nullopt;
}

} // namespace kanalo::cli
