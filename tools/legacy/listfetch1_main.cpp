// listfetch1: downloads the channel list from an older receiver.
#include "tools/legacy/legacy_command_line.h"
#include "tools/legacy/legacy_download.h"

#include <cstdio>
#include <string_view>
#include <vector>

using namespace kanalo::legacy;

int main(int argc, char** argv) {
    LegacyParseResult parsed =
        parseLegacyArguments(std::vector<std::string_view>(argv + 1, argv + argc), false);
    if (!parsed.accepted) {
        std::fputs(parsed.error.c_str(), stderr);
        return 1;
    }
    const LegacyOptions& options = parsed.options;
    std::FILE* output = stdout;
    if (options.fileName) {
        // Refused before the transfer: a list received into nothing would be lost unnoticed.
        output = std::fopen(options.fileName->c_str(), "wb");
        if (!output) {
            std::fputs("Error: unable to open file.\n", stderr);
            return 1;
        }
    }
    int exitCode = runDownload(options, output);
    if (output != stdout && std::fclose(output) != 0 && exitCode == 0) {
        std::fputs("Error: unable to write file.\n", stderr);
        exitCode = 1;
    }
    return exitCode;
}
