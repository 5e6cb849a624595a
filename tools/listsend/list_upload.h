#pragma once

#include "tools/listsend/list_line_reader.h"
#include "tools/listsend/verdict_box.h"
#include "tools/seriallink/serial_link.h"

namespace kanalo::send {

struct UploadCounts {
    unsigned total = 0;
    unsigned added = 0;
    unsigned failed = 0;
    unsigned unknown = 0;
};

struct UploadOutcome {
    UploadCounts counts;
    bool aborted = false;
    int error = 0; // the system error code behind an abort
};

// Sends every line of the file with its checksum and waits for each verdict, resending a
// rejected line up to ten times. Prints the running counts. Stops early on a failed write
// or too many unanswered lines.
UploadOutcome sendLines(serial::SerialLink& link, ListLineReader& lines, VerdictBox& verdicts);

} // namespace kanalo::send
