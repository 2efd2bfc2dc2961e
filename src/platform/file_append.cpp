#include "platform/file_append.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace talvo::platform {

namespace {

bool WriteAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

bool AppendLine(const std::string& path, const std::string& line) {
    int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return false;
    }
    const off_t oldSize = info.st_size;
    std::string bytes = line;
    if (oldSize > 0) {
        char last = 0;
        if (::pread(fd, &last, 1, oldSize - 1) == 1 && last != '\n') bytes.insert(0, "\r\n");
    }
    bool ok = ::lseek(fd, oldSize, SEEK_SET) == oldSize && WriteAll(fd, bytes) && ::fsync(fd) == 0;
    if (!ok && ::ftruncate(fd, oldSize) != 0) ok = false;
    return ::close(fd) == 0 && ok;
}

}  // namespace talvo::platform
