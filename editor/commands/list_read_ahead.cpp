#include "editor/commands/list_read_ahead.h"

namespace kanalo {

ListReadAhead::Result ListReadAhead::read(const std::filesystem::path& path) {
    Result read;
    read.status = loadChannelFile(path, read.table, &read.stamp);
    return read;
}

ListReadAhead::ListReadAhead(std::filesystem::path path) : path_(std::move(path)) {
    result_ = std::async(std::launch::async, [path = path_] { return read(path); });
}

ListReadAhead::~ListReadAhead() {
    if (result_.valid())
        result_.wait();
}

std::optional<ListReadAhead::Result> ListReadAhead::take(const std::filesystem::path& path) {
    if (!result_.valid() || path != path_)
        return std::nullopt;
    Result read = result_.get();
    // Another program may have written or removed the file since: then it is read again (and
    // a file that is gone reports so).
    std::error_code error;
    if (read.status != LoadStatus::Ok || !std::filesystem::exists(path, error) ||
        changedSince(path, read.stamp))
        return std::nullopt;
    return read;
}

} // namespace kanalo
