#include "tests/support/unprivileged.h"

#include <cstdio>
#include <grp.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace kanalo::test {

namespace {
constexpr uid_t kNobody = 65534;
}

int runUnprivileged(const std::function<int()>& body) {
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (::geteuid() == 0 &&
            (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0))
            ::_exit(125);
        ::_exit(body());
    }
    int status = 0;
    if (pid < 0 || ::waitpid(pid, &status, 0) != pid || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

void giveToUnprivileged(const std::filesystem::path& path) {
    if (::geteuid() == 0 && ::lchown(path.c_str(), kNobody, kNobody) != 0)
        throw std::runtime_error("cannot hand over " + path.string());
}

} // namespace kanalo::test
