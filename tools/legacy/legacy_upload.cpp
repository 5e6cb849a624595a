#include "tools/legacy/legacy_upload.h"

#include "tools/legacy/legacy_session.h"
#include "tools/legacy/legacy_words.h"
#include "tools/seriallink/deadline.h"

namespace kanalo::legacy {

bool UploadLineReader::next(std::string& line) {
    if (pendingAt_ >= pending_.size()) {
        pending_.clear();
        pendingAt_ = 0;
        int c = 0;
        while ((c = std::getc(input_)) != EOF && c != '\n')
            pending_.push_back(static_cast<char>(c));
        if (c == EOF) {
            // Cut short by the end of the input: not a whole line, so not sent.
            pending_.clear();
            return false;
        }
        if (!pending_.empty() && pending_.back() == '\r')
            pending_.pop_back();
        if (pending_.empty()) {
            line = "\n";
            return true;
        }
    }
    line.assign(pending_, pendingAt_, maxPieceLength);
    line.push_back('\n');
    pendingAt_ += maxPieceLength;
    return true;
}

namespace {

enum class LineOutcome { Added, Failed, Abort };

LineOutcome sendLine(LegacyPort& port, const std::string& line, const LegacyOptions& options,
                     const UploadVariant& variant) {
    std::string reply;
    for (unsigned send = 0; send < sendsPerLine; ++send) {
        if (!writeOrReport(port, line, options.portNumber))
            return LineOutcome::Abort;
        serial::pauseMs(variant.replyPauseMs);
        if (!readOrReport(port, reply))
            return LineOutcome::Abort;
        if (reply.find(receiverGaveUp) != std::string::npos) {
            std::fprintf(stderr, "%s\n", reply.c_str());
            port.close();
            return LineOutcome::Abort;
        }
        if (reply.find(variant.acceptWord) != std::string::npos)
            return LineOutcome::Added;
    }
    return LineOutcome::Failed;
}

} // namespace

int runUpload(const LegacyOptions& options, const UploadVariant& variant, std::FILE* input) {
    LegacyPort port;
    if (!openPort(port, options))
        return 1;
    if (!writeOrReport(port, sendRequest, options.portNumber))
        return 1;
    serial::pauseMs(breathMs);
    std::string reply;
    do {
        if (!readOrReport(port, reply))
            return 1;
    } while (reply != sendStartLine);

    unsigned total = 0;
    unsigned added = 0;
    unsigned failed = 0;
    UploadLineReader reader(input);
    std::string line;
    for (;;) {
        serial::pauseMs(breathMs);
        if (!reader.next(line))
            break;
        if (isEmptyLine(line))
            continue;
        ++total;
        switch (sendLine(port, line, options, variant)) {
        case LineOutcome::Added:
            ++added;
            break;
        case LineOutcome::Failed:
            ++failed;
            break;
        case LineOutcome::Abort:
            return 1;
        }
    }

    // The receiver's answer to the end of the list changes nothing.
    (void)WriteFileTO(port, sendEndOfList, writeLimitMs);
    (void)ReadLine(port, reply);
    std::printf("Total:\t%u\nAdded:\t%u\nFailed:\t%u\n", total, added, failed);
    std::fflush(stdout);
    port.close();
    return 0;
}

} // namespace kanalo::legacy
