// Running a piece of a test in a forked child: under a file-size limit, or to be killed at an
// arbitrary moment. The child reports a text through a pipe and ends with _exit.
#pragma once

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <string>

namespace talvo::testing {

// Runs `body` in a child whose files cannot grow past `fileSizeLimit` bytes (a full disk as the
// writer sees it: writes past the limit fail with EFBIG, SIGXFSZ being ignored). Returns what
// the body returned, or "child failed" when it did not end normally.
inline std::string RunWithFileSizeLimit(rlim_t fileSizeLimit, const std::function<std::string()>& body) {
    int pipeFds[2];
    if (::pipe(pipeFds) != 0) return "child failed";
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeFds[0]);
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{fileSizeLimit, fileSizeLimit};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const std::string report = body();
        const ssize_t written = ::write(pipeFds[1], report.data(), report.size());
        ::_exit(written == static_cast<ssize_t>(report.size()) ? 0 : 1);
    }
    ::close(pipeFds[1]);
    std::string report;
    char buffer[512];
    for (ssize_t got; (got = ::read(pipeFds[0], buffer, sizeof buffer)) > 0;) report.append(buffer, got);
    ::close(pipeFds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? report : "child failed";
}

}  // namespace talvo::testing
