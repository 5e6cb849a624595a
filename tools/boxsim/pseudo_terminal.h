#pragma once

#include <string>

namespace kanalo::boxsim {

// The receiver's end of a pseudo-terminal pair. The tool opens the slave by its path like a
// serial port; the simulator reads and writes the master.
class PseudoTerminal {
public:
    PseudoTerminal() = default;
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;
    ~PseudoTerminal();

    // Opens the pair with the slave in raw mode and closed again, so the first program to
    // open it is the tool. False with errno on failure.
    bool open();
    // Gives the slave a second name; an old link of that name is replaced.
    bool linkAs(const std::string& linkPath);
    // Closes the master: the tool sees the line hang up.
    void hangUp();

    int master() const { return master_; }
    const std::string& slavePath() const { return slavePath_; }
    // The rate the tool last set on its end, 0 when unknown.
    unsigned toolBaud() const;

private:
    int master_ = -1;
    std::string slavePath_;
    std::string linkPath_;
};

} // namespace kanalo::boxsim
