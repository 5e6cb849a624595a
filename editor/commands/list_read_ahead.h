#pragma once

#include "core/channels/channel_file.h"
#include "core/channels/channel_table.h"
#include "core/channels/file_stamp.h"

#include <filesystem>
#include <future>
#include <optional>

namespace kanalo {

// A channel list file read on a worker thread while the window is still being built: the
// list shown at start-up is then ready when the window first shows, instead of being read
// on the way to its first paint.
class ListReadAhead {
public:
    struct Result {
        LoadStatus status = LoadStatus::CannotOpen;
        ChannelTable table;
        FileStamp stamp;
    };

    // Reads the file now, on the calling thread.
    static Result read(const std::filesystem::path& path);

    explicit ListReadAhead(std::filesystem::path path);
    // Waits for the worker when its result was not taken.
    ~ListReadAhead();
    ListReadAhead(const ListReadAhead&) = delete;
    ListReadAhead& operator=(const ListReadAhead&) = delete;

    // The file's contents as read ahead, once, when they are of this path and the file still
    // holds the bytes read; nothing otherwise (the caller reads the file itself).
    std::optional<Result> take(const std::filesystem::path& path);

private:
    std::filesystem::path path_;
    std::future<Result> result_;
};

} // namespace kanalo
