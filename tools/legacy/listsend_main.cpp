// listsend1 and listsend2: send a channel list to an older receiver. The build chooses the
// variant with KANALO_LEGACY_SEND_VARIANT.
#include "tools/legacy/legacy_command_line.h"
#include "tools/legacy/legacy_upload.h"

#include <cstdio>
#include <string_view>
#include <vector>

using namespace kanalo::legacy;

#if KANALO_LEGACY_SEND_VARIANT == 1
constexpr const UploadVariant& variant = firstUploadVariant;
#elif KANALO_LEGACY_SEND_VARIANT == 2
constexpr const UploadVariant& variant = secondUploadVariant;
#else
#error "KANALO_LEGACY_SEND_VARIANT must be 1 or 2"
#endif

int main(int argc, char** argv) {
    LegacyParseResult parsed =
        parseLegacyArguments(std::vector<std::string_view>(argv + 1, argv + argc), variant.takesS);
    if (!parsed.accepted) {
        std::fputs(parsed.error.c_str(), stderr);
        return 1;
    }
    const LegacyOptions& options = parsed.options;
    std::FILE* input = stdin;
    if (options.fileName) {
        // A missing file is refused rather than sent as an empty list that looks like success.
        input = std::fopen(options.fileName->c_str(), "rb");
        if (!input) {
            std::fputs("Error: unable to open file.\n", stderr);
            return 1;
        }
    }
    int exitCode = runUpload(options, variant, input);
    if (input != stdin)
        std::fclose(input);
    return exitCode;
}
