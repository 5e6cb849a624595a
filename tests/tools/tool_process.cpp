#include "tests/tools/tool_process.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <poll.h>
#include <sstream>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace kanalo::testing {

namespace {

using Clock = std::chrono::steady_clock;

std::vector<char*> argumentVector(const std::string& program,
                                  const std::vector<std::string>& arguments) {
    std::vector<char*> vector;
    vector.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& argument : arguments)
        vector.push_back(const_cast<char*>(argument.c_str()));
    vector.push_back(nullptr);
    return vector;
}

// Starts the program with stdout and stderr on pipes; fills `outFd`, `errFd`.
pid_t spawn(const std::string& program, const std::vector<std::string>& arguments,
            const std::vector<std::string>& extraEnvironment, int& outFd, int& errFd) {
    int outPipe[2];
    int errPipe[2];
    if (::pipe(outPipe) != 0 || ::pipe(errPipe) != 0)
        throw std::runtime_error("pipe failed");
    std::vector<std::string> environment;
    for (char** entry = environ; *entry; ++entry)
        environment.emplace_back(*entry);
    environment.insert(environment.end(), extraEnvironment.begin(), extraEnvironment.end());
    std::vector<char*> envVector;
    for (std::string& entry : environment)
        envVector.push_back(entry.data());
    envVector.push_back(nullptr);
    std::vector<char*> argv = argumentVector(program, arguments);

    pid_t pid = ::fork();
    if (pid < 0)
        throw std::runtime_error("fork failed");
    if (pid == 0) {
        ::dup2(outPipe[1], 1);
        ::dup2(errPipe[1], 2);
        int devNull = ::open("/dev/null", O_RDONLY);
        ::dup2(devNull, 0);
        ::close(outPipe[0]);
        ::close(errPipe[0]);
        ::execve(program.c_str(), argv.data(), envVector.data());
        ::_exit(127);
    }
    ::close(outPipe[1]);
    ::close(errPipe[1]);
    outFd = outPipe[0];
    errFd = errPipe[0];
    return pid;
}

int exitCodeOf(int status) {
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

std::string portVariableFor(const std::filesystem::path& device) {
    return "KANALO_COM7=" + device.string();
}

ProcessResult runProgram(const std::string& program, const std::vector<std::string>& arguments,
                         const std::vector<std::string>& extraEnvironment, double limitSeconds) {
    ProcessResult result;
    int outFd = -1;
    int errFd = -1;
    auto start = Clock::now();
    pid_t pid = spawn(program, arguments, extraEnvironment, outFd, errFd);
    auto limit = start + std::chrono::duration_cast<Clock::duration>(
                             std::chrono::duration<double>(limitSeconds));
    bool outOpen = true;
    bool errOpen = true;
    while (outOpen || errOpen) {
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(limit - Clock::now());
        if (left.count() <= 0) {
            result.timedOut = true;
            ::kill(pid, SIGKILL);
            break;
        }
        pollfd entries[2] = {{outOpen ? outFd : -1, POLLIN, 0}, {errOpen ? errFd : -1, POLLIN, 0}};
        if (::poll(entries, 2, static_cast<int>(left.count())) < 0 && errno != EINTR)
            break;
        char buffer[4096];
        if (entries[0].revents) {
            ssize_t got = ::read(outFd, buffer, sizeof buffer);
            if (got > 0)
                result.out.append(buffer, static_cast<std::size_t>(got));
            else
                outOpen = false;
        }
        if (entries[1].revents) {
            ssize_t got = ::read(errFd, buffer, sizeof buffer);
            if (got > 0)
                result.err.append(buffer, static_cast<std::size_t>(got));
            else
                errOpen = false;
        }
    }
    int status = 0;
    rusage usage{};
    ::wait4(pid, &status, 0, &usage);
    result.peakRssKb = usage.ru_maxrss;
    ::close(outFd);
    ::close(errFd);
    result.exitCode = exitCodeOf(status);
    result.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    return result;
}

ScratchDir::ScratchDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "kanalo-tools-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("mkdtemp failed");
    root_ = pattern;
}

ScratchDir::~ScratchDir() {
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
}

std::filesystem::path ScratchDir::write(const std::string& name, const std::string& content) const {
    std::ofstream file(path(name), std::ios::binary);
    file << content;
    return path(name);
}

std::string ScratchDir::read(const std::string& name) const {
    std::ifstream file(path(name), std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

RunningBox::RunningBox(const ScratchDir& dir, std::vector<std::string> arguments) : dir_(dir) {
    arguments.insert(arguments.end(), {"--link", dir.path("box").string(), "--once", "--record",
                                       dir.path("received.bin").string()});
    int outFd = -1;
    int errFd = -1;
    pid_ = spawn(BOXSIM_BINARY, arguments, {}, outFd, errFd);
    ::close(errFd);
    // The first line (the terminal's path) says the receiver is ready.
    std::string firstLine;
    char c = 0;
    while (::read(outFd, &c, 1) == 1 && c != '\n')
        firstLine.push_back(c);
    ::close(outFd);
    if (firstLine.empty())
        throw std::runtime_error("boxsim did not start");
}

RunningBox::~RunningBox() {
    if (pid_ > 0) {
        ::kill(pid_, SIGTERM);
        ::waitpid(pid_, nullptr, 0);
    }
}

std::string RunningBox::portVariable() const {
    return portVariableFor(dir_.path("box"));
}

bool RunningBox::waitForEnd(double limitSeconds) {
    auto limit = Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                    std::chrono::duration<double>(limitSeconds));
    while (pid_ > 0) {
        if (::waitpid(pid_, nullptr, WNOHANG) == pid_) {
            pid_ = -1;
            return true;
        }
        if (Clock::now() > limit) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
            pid_ = -1;
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

std::string RunningBox::received(double limitSeconds) {
    if (limitSeconds > 0)
        waitForEnd(limitSeconds);
    return dir_.read("received.bin");
}

} // namespace kanalo::testing
