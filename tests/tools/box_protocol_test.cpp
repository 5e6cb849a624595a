#include "tools/boxsim/box_options.h"
#include "tools/boxsim/box_protocol.h"

#include <gtest/gtest.h>

namespace kanalo::boxsim {
namespace {

using Kind = BoxAction::Kind;

// Feeds text and returns what the receiver sends, with the other actions shown in brackets.
std::string talk(BoxProtocol& box, const std::string& text) {
    for (char c : text)
        box.receive(c);
    std::string said;
    for (const BoxAction& action : box.takeActions()) {
        switch (action.kind) {
        case Kind::Send:
            said += action.bytes;
            break;
        case Kind::SetRate:
            said += "[rate " + std::to_string(action.rate) + "]";
            break;
        case Kind::HangUp:
            said += "[hang up]";
            break;
        case Kind::DownloadDone:
            said += "[sent]";
            break;
        case Kind::UploadDone:
            said += "[stored]";
            break;
        }
    }
    return said;
}

BoxBehaviour withList(std::vector<std::string> list) {
    BoxBehaviour behaviour;
    behaviour.list = std::move(list);
    return behaviour;
}

const std::string dumpStart = "### start dumping program list ###\n";
const std::string dumpStop = "### stop dumping program list ###\n";
const std::string loadStart = "### start loading program list ###\n";

TEST(BoxDownload, BothRequestWordsGetTheWholeList) {
    BoxProtocol box(withList({"one", "two\r"}));
    EXPECT_EQ(talk(box, "noise listfetchrams"), dumpStart + "one\ntwo\r\n" + dumpStop + "[sent]");
    EXPECT_EQ(talk(box, "listfetchlist"), dumpStart + "one\ntwo\r\n" + dumpStop + "[sent]");
    EXPECT_EQ(talk(box, "listfetch"), "");
}

TEST(BoxDownload, FaultSwitchesShapeTheList) {
    BoxBehaviour behaviour = withList({"a", "b", "c"});
    behaviour.noStartMarker = true;
    behaviour.stopAfter = 2;
    behaviour.longLine = 3;
    BoxProtocol stopping(behaviour);
    EXPECT_EQ(talk(stopping, "listfetchrams"), "LLL\na\n");
    EXPECT_EQ(talk(stopping, "listfetchrams"), ""); // silent from then on

    BoxBehaviour hanging = withList({"a", "b"});
    hanging.hangUpAfter = 1;
    BoxProtocol box(hanging);
    EXPECT_EQ(talk(box, "listfetchrams"), dumpStart + "a\n[hang up]");
}

TEST(BoxDownload, SilentAndMismatchedRatesAnswerNothing) {
    BoxBehaviour silent = withList({"a"});
    silent.silent = true;
    BoxProtocol quiet(silent);
    EXPECT_EQ(talk(quiet, "baudrate57600\nlistfetchrams"), "");

    BoxProtocol garbled(withList({"a"}));
    garbled.setRatesMatch(false);
    EXPECT_EQ(talk(garbled, "listfetchrams"), "");
}

TEST(BoxBaud, CommandsSwitchAndResetTheRate) {
    BoxBehaviour behaviour;
    behaviour.fixedBaud = 115200;
    BoxProtocol box(behaviour);
    EXPECT_EQ(talk(box, "baudrate57600\n"), "[rate 57600]S_OK:\n");
    EXPECT_EQ(box.receiverRate(), 57600u);
    EXPECT_EQ(talk(box, "baudratereset"), "[rate 115200]S_OK:\n");
    EXPECT_EQ(box.receiverRate(), 115200u);
    EXPECT_EQ(talk(box, "baudrate\n"), "");

    behaviour.ignoreBaudCommand = true;
    BoxProtocol old(behaviour);
    EXPECT_EQ(talk(old, "baudrate57600\n"), "");
    EXPECT_EQ(old.receiverRate(), 115200u);
}

TEST(BoxUpload, ChecksumDecidesTheVerdict) {
    BoxProtocol box(BoxBehaviour{});
    EXPECT_EQ(talk(box, "listsendrams"), loadStart);
    EXPECT_EQ(talk(box, "abc      294\n"), "Channel added!\n");
    EXPECT_EQ(talk(box, "abc      295\n"), "Failed!\n");
    EXPECT_EQ(talk(box, "        0\n"), "Channel added!\n");
    EXPECT_EQ(talk(box, "abc 294\n"), "Failed!\n");
    EXPECT_EQ(talk(box, dumpStop), "[stored]");
    EXPECT_EQ(box.storedLines(), (std::vector<std::string>{"abc", ""}));
}

TEST(BoxUpload, RejectsEachLineTheAskedNumberOfTimes) {
    BoxBehaviour behaviour;
    behaviour.rejectTimes = 2;
    BoxProtocol box(behaviour);
    talk(box, "listsendrams");
    EXPECT_EQ(talk(box, "a       97\n"), "Failed!\n");
    EXPECT_EQ(talk(box, "a       97\n"), "Failed!\n");
    EXPECT_EQ(talk(box, "a       97\n"), "Channel added!\n");
    EXPECT_EQ(talk(box, "b       98\n"), "Failed!\n");
}

TEST(BoxUpload, StopsAnsweringOrHangsUpAfterLines) {
    BoxBehaviour behaviour;
    behaviour.stopAfter = 1;
    BoxProtocol quiet(behaviour);
    talk(quiet, "listsendrams");
    EXPECT_EQ(talk(quiet, "a       97\n"), "Channel added!\n");
    EXPECT_EQ(talk(quiet, "b       98\n"), "");

    BoxBehaviour hanging;
    hanging.hangUpAfter = 1;
    BoxProtocol box(hanging);
    talk(box, "listsendrams");
    EXPECT_EQ(talk(box, "a       97\n"), "Channel added!\n[hang up]");
}

TEST(BoxUpload, ANewRequestRestartsAnUnfinishedUpload) {
    BoxProtocol box(BoxBehaviour{});
    talk(box, "listsendrams");
    talk(box, "a       97\n");
    EXPECT_EQ(talk(box, "listsendrams"), loadStart);
    EXPECT_TRUE(box.storedLines().empty());
}

TEST(BoxLegacyUpload, AcceptWordTimedOutAndEndAnswer) {
    BoxBehaviour behaviour;
    behaviour.legacyAccept = "Added!";
    behaviour.timedOutAfter = 1;
    BoxProtocol box(behaviour);
    EXPECT_EQ(talk(box, "  x                    listsendrams"), loadStart);
    EXPECT_TRUE(box.lastUploadWasLegacy());
    EXPECT_EQ(talk(box, "plain line\n"), "Channel Added!\n");
    EXPECT_EQ(talk(box, "next\n"), "Timed out!\n");

    BoxProtocol ending(BoxBehaviour{});
    talk(ending, "  x                    listsendrams");
    EXPECT_EQ(talk(ending, "line\n"), "Channel added!\n");
    EXPECT_EQ(talk(ending, "  " + dumpStop), "### list stored ###\n[stored]");
    EXPECT_EQ(ending.storedLines(), std::vector<std::string>{"line"});
}

TEST(BoxUploadLine, VerifiesTheSumField) {
    std::string text;
    EXPECT_TRUE(verifyUploadLine("x y      241", text));
    EXPECT_EQ(text, "x y");
    EXPECT_FALSE(verifyUploadLine("       0", text));
    EXPECT_FALSE(verifyUploadLine("abc     29x", text));
    EXPECT_FALSE(verifyUploadLine("abc         ", text));
}

TEST(BoxListFile, SplitsLinesKeepingCarriageReturns) {
    EXPECT_EQ(splitListLines("a\r\nb\n\nc"), (std::vector<std::string>{"a\r", "b", "", "c"}));
    EXPECT_TRUE(splitListLines("").empty());
}

} // namespace
} // namespace kanalo::boxsim
