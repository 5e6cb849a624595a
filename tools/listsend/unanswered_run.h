#pragma once

namespace kanalo::send {

// Decides when lines without a verdict end the transfer: a run of unanswered lines in a row
// aborts once it grows past three steps (five lines, or four when the run starts at the
// file's first line, because the first line continues the initial "line -1").
class UnansweredRun {
public:
    // Notes that the line sent while Total was `total` got no verdict; true means abort.
    bool noteUnanswered(unsigned total) {
        long line = static_cast<long>(total);
        runLength_ = lastUnanswered_ == line - 1 ? runLength_ + 1 : 0;
        lastUnanswered_ = line;
        return runLength_ > 3;
    }

private:
    long lastUnanswered_ = -1;
    unsigned runLength_ = 0;
};

} // namespace kanalo::send
