#pragma once

#include "cli/cli_support.h"

namespace kanalo::cli {

// Each takes the arguments after the sub-command's name and returns the exit code.
int runConvert(const Arguments& args);
int runDump(const Arguments& args);
int runPrint(const Arguments& args);
int runSort(const Arguments& args);
int runDiff(const Arguments& args);
int runImportDvb(const Arguments& args);
int runDuplicates(const Arguments& args);
int runImportVdr(const Arguments& args);
int runExportVdr(const Arguments& args);
int runExportCsv(const Arguments& args);
int runApplyOrder(const Arguments& args);
int runBackups(const Arguments& args);

} // namespace kanalo::cli
