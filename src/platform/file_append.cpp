#include "platform/file_append.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

namespace talvo::platform {

namespace {

// Holds an exclusive advisory lock on an open file until it goes out of scope.
class FileLock {
public:
    explicit FileLock(int fd) : fd_(fd) {
        int result = 0;
        do {
            result = ::flock(fd_, LOCK_EX);
        } while (result != 0 && errno == EINTR);
        locked_ = result == 0;
    }
    ~FileLock() {
        if (locked_) ::flock(fd_, LOCK_UN);
    }
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    bool Locked() const { return locked_; }

private:
    int fd_;
    bool locked_ = false;
};

bool AppendLocked(int fd, const std::string& line) {
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) return false;
    const off_t oldSize = info.st_size;
    std::string bytes = line;
    if (oldSize > 0) {
        char last = 0;
        if (::pread(fd, &last, 1, oldSize - 1) == 1 && last != '\n') bytes.insert(0, "\r\n");
    }
    ssize_t written = -1;
    do {
        written = ::write(fd, bytes.data(), bytes.size());
    } while (written < 0 && errno == EINTR);
    const bool whole = written == static_cast<ssize_t>(bytes.size()) && ::fsync(fd) == 0;
    if (!whole) static_cast<void>(::ftruncate(fd, oldSize));  // the old length is all there is to keep
    return whole;
}

}  // namespace

bool AppendLine(const std::string& path, const std::string& line) { return AppendText(path, line); }

bool AppendText(const std::string& path, const std::string& lines) {
    const int fd = ::open(path.c_str(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    bool ok = false;
    {
        FileLock lock(fd);
        ok = lock.Locked() && AppendLocked(fd, lines);
    }
    return ::close(fd) == 0 && ok;
}

void IgnoreFileSizeSignal() { std::signal(SIGXFSZ, SIG_IGN); }

}  // namespace talvo::platform
