#include "tools/listsend/list_upload.h"

#include "tools/listsend/unanswered_run.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <string>

namespace kanalo::send {

namespace {

constexpr unsigned long lineWriteTimeoutMs = 500;
constexpr std::chrono::milliseconds verdictTimeout{500};
constexpr unsigned sendsPerLine = 10;

} // namespace

UploadOutcome sendLines(serial::SerialLink& link, ListLineReader& lines, VerdictBox& verdicts) {
    UploadOutcome outcome;
    UploadCounts& counts = outcome.counts;
    UnansweredRun unanswered;
    std::string text;
    while (!outcome.aborted && lines.next(text)) {
        std::string wire = wireForm(text);
        unsigned sends = 0;
        for (;;) {
            verdicts.clear();
            if (!link.writeTimed(wire, lineWriteTimeoutMs)) {
                outcome.aborted = true;
                outcome.error = errno;
                break;
            }
            std::optional<Verdict> verdict = verdicts.waitFor(verdictTimeout);
            if (verdict == Verdict::Accepted) {
                ++counts.added;
                break;
            }
            if (verdict) {
                link.purgeOutput();
                if (++sends < sendsPerLine)
                    continue;
                ++counts.failed;
                break;
            }
            ++counts.unknown;
            if (unanswered.noteUnanswered(counts.total)) {
                outcome.aborted = true;
                outcome.error = ETIMEDOUT;
            }
            break;
        }
        ++counts.total;
        std::printf("Total:%u / Added:%u / Failed:%u\r", counts.total, counts.added, counts.failed);
        std::fflush(stdout);
    }
    // A file that cannot be read to its end must not pass for a complete upload.
    if (!outcome.aborted && lines.failed()) {
        outcome.aborted = true;
        outcome.error = EIO;
    }
    return outcome;
}

} // namespace kanalo::send
