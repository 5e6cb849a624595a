#include "core/transfer/serial_ports.h"

#include "core/transfer/com_port.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <string_view>
#include <system_error>

namespace kanalo {

namespace {

namespace fs = std::filesystem;

// Orders names with a number at the end by that number, so ttyS2 comes before ttyS10.
bool naturalLess(const std::string& a, const std::string& b) {
    const auto digitsFrom = [](const std::string& name) {
        std::size_t start = name.size();
        while (start > 0 && std::isdigit(static_cast<unsigned char>(name[start - 1])))
            --start;
        return start;
    };
    const std::size_t aStart = digitsFrom(a);
    const std::size_t bStart = digitsFrom(b);
    const std::string_view aStem(a.data(), aStart);
    const std::string_view bStem(b.data(), bStart);
    if (aStem != bStem || aStart == a.size() || bStart == b.size())
        return a < b;
    const std::string_view aDigits = std::string_view(a).substr(aStart);
    const std::string_view bDigits = std::string_view(b).substr(bStart);
    const auto significant = [](std::string_view digits) {
        const std::size_t first = digits.find_first_not_of('0');
        return first == std::string_view::npos ? std::string_view() : digits.substr(first);
    };
    const std::string_view aValue = significant(aDigits);
    const std::string_view bValue = significant(bDigits);
    if (aValue.size() != bValue.size())
        return aValue.size() < bValue.size();
    if (aValue != bValue)
        return aValue < bValue;
    return a < b;
}

// Entries of a folder whose names begin with the prefix, as full paths in natural order.
std::vector<std::string> entriesOf(const fs::path& folder, std::string_view prefix) {
    std::vector<std::string> names;
    std::error_code error;
    fs::directory_iterator it(folder, error);
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (name.size() > prefix.size() && name.compare(0, prefix.size(), prefix) == 0)
            names.push_back(name);
    }
    std::sort(names.begin(), names.end(), naturalLess);
    std::vector<std::string> paths;
    paths.reserve(names.size());
    for (const std::string& name : names)
        paths.push_back((folder / name).string());
    return paths;
}

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos)
        return {};
    const std::size_t last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

} // namespace

std::vector<std::string> serialDeviceCandidates() {
    return serialDeviceCandidates("/dev");
}

std::vector<std::string> serialDeviceCandidates(const std::string& deviceFolder) {
    const fs::path dev(deviceFolder);
    std::vector<std::string> found = entriesOf(dev / "serial" / "by-id", "");
    for (const std::string_view prefix : {"ttyUSB", "ttyACM", "ttyS"}) {
        const std::vector<std::string> group = entriesOf(dev, prefix);
        found.insert(found.end(), group.begin(), group.end());
    }
    return found;
}

std::string portDevice(int port, const std::string& configured) {
    const std::string_view path = trimmed(configured);
    if (!path.empty())
        return std::string(path);
    const int number = port >= 1 && port <= 4 ? port : 1;
    return defaultComDevice(static_cast<unsigned>(number));
}

} // namespace kanalo
