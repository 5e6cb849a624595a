// Stands in for a receiver software updater: accepts exactly the updater's command line,
// checks that the software file exists, says what a real updater would do, and ends.
// KANALO_UPDATER_PAUSE_MS makes it take that long, as a real update does.
//   Update  -p PORT FILE
//   Update2 -p PORT FILE
//   Update3 -p PORT -c FILE
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <thread>

#ifndef KANALO_UPDATER_NAME
#error "KANALO_UPDATER_NAME must name the updater"
#endif
#ifndef KANALO_UPDATER_WANTS_C
#define KANALO_UPDATER_WANTS_C 0
#endif

namespace {

int usage() {
    std::fprintf(stderr, "Usage: %s -p PORT %sFILE\n", KANALO_UPDATER_NAME,
                 KANALO_UPDATER_WANTS_C ? "-c " : "");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    const int expected = KANALO_UPDATER_WANTS_C ? 5 : 4;
    if (argc != expected || std::string(argv[1]) != "-p")
        return usage();
    char* end = nullptr;
    const long port = std::strtol(argv[2], &end, 10);
    if (*argv[2] == '\0' || *end != '\0' || port < 1 || port > 4)
        return usage();
    if (KANALO_UPDATER_WANTS_C && std::string(argv[3]) != "-c")
        return usage();
    const char* file = argv[argc - 1];
    struct stat info {};
    if (::stat(file, &info) != 0 || !S_ISREG(info.st_mode)) {
        std::fprintf(stderr, "%s: cannot open %s\n", KANALO_UPDATER_NAME, file);
        return 1;
    }
    std::printf("%s: would load %s (%lld bytes) into the receiver on COM%ld\n", KANALO_UPDATER_NAME,
                file, static_cast<long long>(info.st_size), port);
    std::fflush(stdout);
    if (const char* pause = std::getenv("KANALO_UPDATER_PAUSE_MS"))
        std::this_thread::sleep_for(std::chrono::milliseconds(std::atol(pause)));
    std::printf("%s: done\n", KANALO_UPDATER_NAME);
    return 0;
}
