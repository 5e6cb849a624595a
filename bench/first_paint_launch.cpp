// Starts a program for the start-up benchmark and tells it, in KANALO_LAUNCH_BOOTTIME_NS, the
// moment of its exec to the nanosecond: /proc/self/stat gives a process's start only in clock
// ticks (10 ms), coarser than the differences the benchmark looks for.
// Usage: first_paint_launch PROGRAM [ARGUMENTS...]
#include <cstdio>
#include <cstdlib>
#include <string>
#include <time.h>
#include <unistd.h>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs("usage: first_paint_launch PROGRAM [ARGUMENTS...]\n", stderr);
        return 2;
    }
    timespec now{};
    ::clock_gettime(CLOCK_BOOTTIME, &now);
    const std::string stamp = std::to_string(now.tv_sec * 1000000000LL + now.tv_nsec);
    ::setenv("KANALO_LAUNCH_BOOTTIME_NS", stamp.c_str(), 1);
    ::execv(argv[1], argv + 1);
    std::perror(argv[1]);
    return 127;
}
