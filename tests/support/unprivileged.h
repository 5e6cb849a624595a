#pragma once

#include <filesystem>
#include <functional>

namespace kanalo::test {

// Runs the body in a child process as an unprivileged user and returns its exit code (-1
// when it did not exit normally). Permissions do not bind root, so a suite started as root
// runs the body as nobody (65534); hand that user the files it needs with giveToUnprivileged.
int runUnprivileged(const std::function<int()>& body);

// Makes the path belong to the user runUnprivileged runs as; nothing to do unless root.
void giveToUnprivileged(const std::filesystem::path& path);

} // namespace kanalo::test
