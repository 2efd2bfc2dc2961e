#include "platform/set_system_clock.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

extern char** environ;

namespace talvo::platform {
namespace {

// The environment of this process with TZ set to UTC.
std::vector<std::string> UtcEnvironment() {
    std::vector<std::string> variables;
    for (char** entry = environ; entry != nullptr && *entry != nullptr; ++entry) {
        if (std::strncmp(*entry, "TZ=", 3) != 0) variables.emplace_back(*entry);
    }
    variables.emplace_back("TZ=UTC");
    return variables;
}

std::vector<char*> Pointers(std::vector<std::string>& words) {
    std::vector<char*> pointers;
    for (std::string& word : words) pointers.push_back(word.data());
    pointers.push_back(nullptr);
    return pointers;
}

std::string Trimmed(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' '))
        text.pop_back();
    return text;
}

ClockSetStatus Refused(std::string message) { return {false, std::move(message)}; }

}  // namespace

ClockSetStatus SetSystemClockUtc(int year, int month, int day, int hour, int minute, int second,
                                 const std::string& program) {
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02d %02d:%02d:%02d", year, month, day, hour, minute,
                  second);
    std::vector<std::string> arguments{program, "set-time", stamp};
    std::vector<std::string> environment = UtcEnvironment();
    std::vector<char*> argv = Pointers(arguments);
    std::vector<char*> envp = Pointers(environment);

    int errors[2];
    if (::pipe2(errors, O_CLOEXEC) != 0)
        return Refused(std::string("cannot run ") + program + ": " + std::strerror(errno));
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, errors[1], STDERR_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t child = -1;
    const int spawned = ::posix_spawnp(&child, program.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    ::close(errors[1]);
    if (spawned != 0) {
        ::close(errors[0]);
        if (spawned == ENOENT) return Refused(program + " is not installed");
        return Refused(std::string("cannot run ") + program + ": " + std::strerror(spawned));
    }

    std::string said;
    char buffer[512];
    for (;;) {
        const ssize_t got = ::read(errors[0], buffer, sizeof buffer);
        if (got > 0) {
            said.append(buffer, static_cast<std::size_t>(got));
        } else if (got == 0 || errno != EINTR) {
            break;
        }
    }
    ::close(errors[0]);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0) return {true, {}};
    said = Trimmed(said);
    if (!said.empty()) return Refused(said);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 127) return Refused(program + " is not installed");
    return Refused(program + " did not set the time");
}

}  // namespace talvo::platform
