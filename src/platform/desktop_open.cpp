#include "platform/desktop_open.h"

#include <spawn.h>
#include <sys/wait.h>

#include <thread>

extern char** environ;

namespace talvo::platform {

bool OpenWithDesktop(const std::string& pathOrUrl) {
    std::string program = "xdg-open";
    std::string argument = pathOrUrl;
    char* argv[] = {program.data(), argument.data(), nullptr};
    pid_t child = 0;
    if (posix_spawnp(&child, program.c_str(), nullptr, nullptr, argv, environ) != 0) return false;
    // Some openers stay until the document's program closes; reap them without waiting here.
    std::thread([child] { waitpid(child, nullptr, 0); }).detach();
    return true;
}

}  // namespace talvo::platform
