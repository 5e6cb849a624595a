#pragma once

#include <filesystem>
#include <string>
#include <sys/types.h>
#include <vector>

namespace kanalo::testing {

struct ProcessResult {
    int exitCode = -1; // -1 when killed
    std::string out;
    std::string err;
    double seconds = 0;
    bool timedOut = false;
    long peakRssKb = 0; // the program's peak resident memory
};

// Runs a program to its end (killing it after `limitSeconds`), with extra environment
// entries "NAME=value", and captures both output streams.
ProcessResult runProgram(const std::string& program, const std::vector<std::string>& arguments,
                         const std::vector<std::string>& extraEnvironment,
                         double limitSeconds = 30);

// A scratch folder removed at the end of the test.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    std::filesystem::path path(const std::string& name) const { return root_ / name; }
    std::filesystem::path write(const std::string& name, const std::string& content) const;
    std::string read(const std::string& name) const;

private:
    std::filesystem::path root_;
};

// A running boxsim serving one transfer (--once) on `<dir>/box`, recording what it receives.
class RunningBox {
public:
    RunningBox(const ScratchDir& dir, std::vector<std::string> arguments);
    ~RunningBox();
    RunningBox(const RunningBox&) = delete;
    RunningBox& operator=(const RunningBox&) = delete;

    // "KANALO_COM7=<dir>/box": the environment entry that makes port 7 this receiver.
    std::string portVariable() const;
    // Waits for boxsim to end by itself; false (and kills it) when it does not in time.
    bool waitForEnd(double limitSeconds = 5);
    // Everything boxsim received; waits (up to `limitSeconds`) for its end so nothing is
    // missing. Pass 0 for what has arrived so far.
    std::string received(double limitSeconds = 5);

private:
    const ScratchDir& dir_;
    pid_t pid_ = -1;
};

// The environment entry that points port 7 somewhere.
std::string portVariableFor(const std::filesystem::path& device);

} // namespace kanalo::testing
