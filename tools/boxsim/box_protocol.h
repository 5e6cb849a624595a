#pragma once

#include "tools/boxsim/box_behaviour.h"

#include <string>
#include <vector>

namespace kanalo::boxsim {

// Something the receiver does, in order: the server carries these out one after another.
struct BoxAction {
    enum class Kind {
        Send,         // put `bytes` on the wire, not before `delayMs` from now
        SetRate,      // later bytes go at `rate` baud
        HangUp,       // close the line
        DownloadDone, // the whole list and the stop marker went out
        UploadDone    // the end of an upload arrived; storedLines() holds what was accepted
    };
    Kind kind;
    std::string bytes;
    unsigned delayMs = 0;
    unsigned rate = 0;
};

// The receiver's side of the current and legacy protocols, fed one received byte at a time.
// It knows nothing of terminals or time; the server plays out the actions it asks for.
class BoxProtocol {
public:
    explicit BoxProtocol(BoxBehaviour behaviour);

    // Whether the receiver understands what arrives now: false when the tool's rate differs
    // from the receiver's, which garbles request words.
    void setRatesMatch(bool match) { ratesMatch_ = match; }
    // The rate the receiver listens at; 0 while it follows the tool.
    unsigned receiverRate() const { return receiverRate_; }

    void receive(char byte);
    std::vector<BoxAction> takeActions();

    // Uploaded lines accepted so far in the current or last upload, without checksum.
    const std::vector<std::string>& storedLines() const { return stored_; }
    bool lastUploadWasLegacy() const { return legacy_; }

private:
    enum class Mode { Idle, Upload, Silent };

    void receiveCommandByte(char byte);
    void receiveUploadByte(char byte);
    bool takeRequestAtEnd(const std::string& text);
    void startDownload();
    void startUpload(bool legacy);
    void takeUploadLine(const std::string& line);
    void answerVerdict(bool accept);
    void finishUpload();
    void send(std::string bytes, unsigned delayMs = 0);
    void sendNoiseLine();

    BoxBehaviour behaviour_;
    Mode mode_ = Mode::Idle;
    bool ratesMatch_ = true;
    unsigned receiverRate_ = 0;
    std::string window_; // recent command bytes
    std::string line_;   // upload line being received
    bool legacy_ = false;
    unsigned linesTaken_ = 0;
    unsigned rejectionsOfLine_ = 0;
    unsigned noiseSeed_ = 12345;
    std::vector<std::string> stored_;
    std::vector<BoxAction> actions_;
};

// Splits "text + blank + sum in eight places": true with the text when the sum is right.
bool verifyUploadLine(const std::string& line, std::string& text);

} // namespace kanalo::boxsim
