#include "tools/boxsim/box_protocol.h"

#include "tools/seriallink/protocol_words.h"

#include <cctype>
#include <cstdint>
#include <utility>

namespace kanalo::boxsim {

namespace {

constexpr std::size_t windowLimit = 64;
constexpr std::size_t uploadLineLimit = 8192;
// A real receiver needs a moment to change its rate before it answers at the new one.
constexpr unsigned baudAnswerDelayMs = 20;

// The receiver's side of the words the tools send and expect.
constexpr std::string_view fetchWords[] = {serial::fetchRequest, serial::fetchListRequest};
constexpr std::string_view sendWord = serial::sendRequest;
constexpr std::string_view baudWord = "baudrate";
constexpr std::string_view baudReset = serial::baudResetCommand;
constexpr std::string_view stopMarkerText = serial::fetchStopMarker;

std::string asLine(std::string_view marker) {
    return std::string(marker) + "\n";
}

// The legacy request has an "x" and blanks in front of the word.
bool hasLegacyPrefix(std::string_view before) {
    std::size_t blanks = 0;
    while (blanks < before.size() && before[before.size() - 1 - blanks] == ' ')
        ++blanks;
    return blanks > 0 && blanks < before.size() && before[before.size() - 1 - blanks] == 'x';
}

// "baudrate<digits>" -> the rate, 0 when the text is not a baud command.
unsigned baudCommandRate(std::string_view text) {
    std::size_t at = text.rfind(baudWord);
    if (at == std::string_view::npos)
        return 0;
    std::string_view digits = text.substr(at + baudWord.size());
    if (digits.empty() || digits.size() > 7)
        return 0;
    unsigned rate = 0;
    for (char c : digits) {
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return 0;
        rate = rate * 10 + static_cast<unsigned>(c - '0');
    }
    return rate;
}

} // namespace

bool verifyUploadLine(const std::string& line, std::string& text) {
    constexpr std::size_t sumWidth = 8;
    if (line.size() < sumWidth + 1 || line[line.size() - sumWidth - 1] != ' ')
        return false;
    std::string_view field(line.data() + line.size() - sumWidth, sumWidth);
    std::size_t digitsAt = field.find_first_not_of(' ');
    if (digitsAt == std::string_view::npos)
        return false;
    std::uint32_t claimed = 0;
    for (char c : field.substr(digitsAt)) {
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return false;
        claimed = claimed * 10 + static_cast<std::uint32_t>(c - '0');
    }
    text = line.substr(0, line.size() - sumWidth - 1);
    std::uint32_t sum = 0;
    for (unsigned char c : text)
        if (c > ' ' && c < 0x80)
            sum += c;
    return sum == claimed;
}

BoxProtocol::BoxProtocol(BoxBehaviour behaviour)
    : behaviour_(std::move(behaviour)), receiverRate_(behaviour_.fixedBaud) {
    if (behaviour_.silent)
        mode_ = Mode::Silent;
}

std::vector<BoxAction> BoxProtocol::takeActions() {
    return std::exchange(actions_, {});
}

void BoxProtocol::send(std::string bytes, unsigned delayMs) {
    actions_.push_back({BoxAction::Kind::Send, std::move(bytes), delayMs, 0});
}

void BoxProtocol::sendNoiseLine() {
    std::string noise;
    for (int i = 0; i < 24; ++i) {
        noiseSeed_ = noiseSeed_ * 1103515245u + 12345u;
        char c = static_cast<char>((noiseSeed_ >> 16) & 0xFF);
        noise.push_back(c == '\n' ? '\0' : c);
    }
    send(noise + "\n");
}

void BoxProtocol::receive(char byte) {
    switch (mode_) {
    case Mode::Silent:
        return;
    case Mode::Idle:
        receiveCommandByte(byte);
        return;
    case Mode::Upload:
        receiveUploadByte(byte);
        return;
    }
}

void BoxProtocol::receiveCommandByte(char byte) {
    window_.push_back(byte);
    if (window_.size() > windowLimit)
        window_.erase(0, window_.size() - windowLimit);

    if (byte == '\n') {
        // Sent at the rate the receiver listens at, so no rate check here.
        if (unsigned rate =
                baudCommandRate(std::string_view(window_).substr(0, window_.size() - 1));
            rate != 0 && !behaviour_.ignoreBaudCommand) {
            receiverRate_ = behaviour_.fixedBaud != 0 ? rate : 0;
            actions_.push_back({BoxAction::Kind::SetRate, {}, 0, rate});
            send(behaviour_.baudAnswer + "\n", baudAnswerDelayMs);
        }
        window_.clear();
        return;
    }
    if (window_.ends_with(baudReset)) {
        window_.clear();
        if (behaviour_.fixedBaud != 0)
            receiverRate_ = behaviour_.fixedBaud;
        actions_.push_back({BoxAction::Kind::SetRate, {}, 0, behaviour_.fixedBaud});
        send(behaviour_.baudAnswer + "\n", baudAnswerDelayMs);
        return;
    }
    takeRequestAtEnd(window_);
}

bool BoxProtocol::takeRequestAtEnd(const std::string& text) {
    for (std::string_view word : fetchWords) {
        if (text.ends_with(word)) {
            window_.clear();
            if (ratesMatch_)
                startDownload();
            return true;
        }
    }
    if (text.ends_with(sendWord)) {
        bool legacy =
            hasLegacyPrefix(std::string_view(text).substr(0, text.size() - sendWord.size()));
        window_.clear();
        if (ratesMatch_)
            startUpload(legacy);
        return true;
    }
    return false;
}

void BoxProtocol::startDownload() {
    if (!behaviour_.noStartMarker)
        send(asLine(serial::fetchStartMarker));
    std::vector<std::string> lines;
    if (behaviour_.longLine)
        lines.emplace_back(*behaviour_.longLine, 'L');
    lines.insert(lines.end(), behaviour_.list.begin(), behaviour_.list.end());
    for (std::size_t index = 0; index < lines.size(); ++index) {
        if (behaviour_.stopAfter && index == *behaviour_.stopAfter) {
            mode_ = Mode::Silent;
            return;
        }
        if (behaviour_.hangUpAfter && index == *behaviour_.hangUpAfter) {
            actions_.push_back({BoxAction::Kind::HangUp, {}, 0, 0});
            mode_ = Mode::Silent;
            return;
        }
        if (behaviour_.garbage && index > 0)
            sendNoiseLine();
        send(lines[index] + "\n");
    }
    send(asLine(serial::fetchStopMarker));
    actions_.push_back({BoxAction::Kind::DownloadDone, {}, 0, 0});
}

void BoxProtocol::startUpload(bool legacy) {
    legacy_ = legacy;
    stored_.clear();
    line_.clear();
    linesTaken_ = 0;
    rejectionsOfLine_ = 0;
    mode_ = Mode::Upload;
    if (behaviour_.noStartMarker)
        send("ready\n");
    else
        send(asLine(serial::sendStartMarker));
}

void BoxProtocol::receiveUploadByte(char byte) {
    if (byte != '\n') {
        if (line_.size() < uploadLineLimit)
            line_.push_back(byte);
        // A tool that gave up on the last upload starts over with a request word, which
        // arrives at the start of a line since every list line ended with its LF.
        bool wholeRequest = line_ == sendWord || line_ == fetchWords[0] || line_ == fetchWords[1];
        if (wholeRequest && takeRequestAtEnd(line_))
            line_.clear();
        return;
    }
    std::string line = std::exchange(line_, {});
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    takeUploadLine(line);
}

void BoxProtocol::takeUploadLine(const std::string& line) {
    if (line.find(stopMarkerText) != std::string::npos) {
        finishUpload();
        return;
    }
    if (!legacy_ && baudCommandRate(line) != 0 && line.starts_with(baudWord)) {
        mode_ = Mode::Idle;
        for (char c : line + "\n")
            receiveCommandByte(c);
        return;
    }
    if (behaviour_.stopAfter && linesTaken_ >= *behaviour_.stopAfter)
        return;
    if (legacy_ && behaviour_.timedOutAfter && linesTaken_ >= *behaviour_.timedOutAfter) {
        send("Timed out!\n");
        mode_ = Mode::Idle;
        return;
    }
    std::string text = line;
    bool intact = legacy_ || verifyUploadLine(line, text);
    bool accept = intact && !behaviour_.rejectAll && rejectionsOfLine_ >= behaviour_.rejectTimes;
    if (accept) {
        stored_.push_back(text);
        rejectionsOfLine_ = 0;
        ++linesTaken_;
    } else if (intact) {
        ++rejectionsOfLine_;
    }
    answerVerdict(accept);
    if (accept && behaviour_.hangUpAfter && linesTaken_ >= *behaviour_.hangUpAfter) {
        actions_.push_back({BoxAction::Kind::HangUp, {}, 0, 0});
        mode_ = Mode::Silent;
    }
}

void BoxProtocol::answerVerdict(bool accept) {
    if (behaviour_.garbage)
        sendNoiseLine();
    std::string acceptWord = legacy_ ? behaviour_.legacyAccept : std::string("added!");
    send(accept ? "Channel " + acceptWord + "\n" : std::string("Failed!\n"),
         behaviour_.verdictDelayMs);
}

void BoxProtocol::finishUpload() {
    mode_ = Mode::Idle;
    window_.clear();
    if (legacy_)
        send("### list stored ###\n");
    actions_.push_back({BoxAction::Kind::UploadDone, {}, 0, 0});
}

} // namespace kanalo::boxsim
