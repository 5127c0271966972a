#pragma once
// Whether a file was opened, as the kernel tells it: the check that an action
// never read a file, where its result alone would not show it.
#include <sys/inotify.h>
#include <unistd.h>

#include <filesystem>
#include <string>

class FileOpenWatch {
public:
    // Watches the file's folder, so that the file may be replaced meanwhile.
    explicit FileOpenWatch(const std::filesystem::path& file)
        : fd_(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)), name_(file.filename().string()) {
        watching_ = fd_ >= 0 && inotify_add_watch(fd_, file.parent_path().c_str(), IN_OPEN) >= 0;
    }
    ~FileOpenWatch() { close(fd_); }
    FileOpenWatch(const FileOpenWatch&) = delete;
    FileOpenWatch& operator=(const FileOpenWatch&) = delete;

    bool Watching() const { return watching_; }
    // Since the watch began or the last call. The kernel queues the event
    // within the opening call, so nothing is waited for.
    bool Opened() {
        bool opened = false;
        alignas(inotify_event) char events[4096];
        for (ssize_t length; (length = read(fd_, events, sizeof events)) > 0;)
            for (ssize_t at = 0; at < length;) {
                const auto* event = reinterpret_cast<const inotify_event*>(events + at);
                opened |= event->len > 0 && name_ == event->name;
                at += sizeof(inotify_event) + event->len;
            }
        return opened;
    }

private:
    int fd_;
    std::string name_;
    bool watching_;
};
