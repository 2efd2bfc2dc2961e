#include "platform/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

namespace talvo::platform {

namespace {

FileWriteStatus Failure(int errorNumber) { return {false, std::strerror(errorNumber)}; }

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (written == 0) {
            errno = EIO;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

}  // namespace

FileWriteStatus WriteFileAtomically(const std::string& path, std::string_view bytes) {
    const std::size_t slash = path.find_last_of('/');
    const std::string directory = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (name.empty()) return Failure(EISDIR);

    // A hidden name beside the target, made unique by mkstemp; it never matches the target's
    // own pattern, so file lists do not show a temporary file a crash left behind.
    std::string pattern = (slash == std::string::npos ? std::string() : directory) + "." + name + ".XXXXXX";
    std::vector<char> temporary(pattern.begin(), pattern.end());
    temporary.push_back('\0');
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) return Failure(errno);

    struct stat old {};
    const mode_t mode = ::stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
    int error = 0;
    if (::fchmod(fd, mode) != 0 || !WriteAll(fd, bytes) || ::fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error == 0 && ::rename(temporary.data(), path.c_str()) != 0) error = errno;
    if (error != 0) {
        ::unlink(temporary.data());
        return Failure(error);
    }

    // The rename is durable once the directory that records it is.
    const int dirFd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd < 0) return Failure(errno);
    if (::fsync(dirFd) != 0) error = errno;
    ::close(dirFd);
    if (error != 0) return Failure(error);
    return {true, {}};
}

FileWriteStatus CopyFileAtomically(const std::string& from, const std::string& to) {
    std::ifstream source(from, std::ios::binary);
    if (!source) return Failure(errno != 0 ? errno : ENOENT);
    const std::string bytes((std::istreambuf_iterator<char>(source)), std::istreambuf_iterator<char>());
    if (source.bad()) return Failure(EIO);
    return WriteFileAtomically(to, bytes);
}

}  // namespace talvo::platform
