// kanalo-list: batch work on channel list files from the command line.
#include "cli/commands.h"

#include <cstdio>

int main(int argc, char** argv) {
    using namespace kanalo::cli;
    if (argc < 2)
        return usage();
    const std::string_view command = argv[1];
    if (argc == 2 && (command == "--help" || command == "-h")) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    const Arguments args(argv + 2, argv + argc);
    if (command == "convert")
        return runConvert(args);
    if (command == "dump")
        return runDump(args);
    if (command == "print")
        return runPrint(args);
    if (command == "sort")
        return runSort(args);
    if (command == "diff")
        return runDiff(args);
    if (command == "import-dvb")
        return runImportDvb(args);
    if (command == "duplicates")
        return runDuplicates(args);
    if (command == "import-vdr")
        return runImportVdr(args);
    if (command == "export-vdr")
        return runExportVdr(args);
    if (command == "export-csv")
        return runExportCsv(args);
    if (command == "apply-order")
        return runApplyOrder(args);
    if (command == "backups")
        return runBackups(args);
    return usage();
}
