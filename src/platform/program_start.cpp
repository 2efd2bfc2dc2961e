#include "platform/program_start.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <thread>

extern char** environ;

namespace talvo::platform {
namespace {

std::vector<char*> ArgumentVector(std::vector<std::string>& words) {
    std::vector<char*> pointers;
    for (std::string& word : words) pointers.push_back(word.data());
    pointers.push_back(nullptr);
    return pointers;
}

// posix_spawn reports a program that could not be executed (missing, not executable, a bad
// interpreter) as its own error, since glibc waits for the exec before returning.
int Spawn(pid_t& child, const std::string& program, std::vector<std::string> words,
          const posix_spawn_file_actions_t* actions) {
    std::vector<char*> argv = ArgumentVector(words);
    if (program.find('/') != std::string::npos)
        return ::posix_spawn(&child, program.c_str(), actions, nullptr, argv.data(), environ);
    return ::posix_spawnp(&child, program.c_str(), actions, nullptr, argv.data(), environ);
}

int WaitFor(pid_t child) {
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    return status;
}

}  // namespace

ProgramStartStatus StartProgram(const std::string& program, const std::vector<std::string>& arguments) {
    std::vector<std::string> words{program};
    words.insert(words.end(), arguments.begin(), arguments.end());
    pid_t child = -1;
    const int spawned = Spawn(child, program, std::move(words), nullptr);
    if (spawned != 0) return {false, std::strerror(spawned)};
    std::thread([child] { WaitFor(child); }).detach();
    return {true, {}};
}

std::optional<std::string> ProgramOutput(const std::string& program,
                                         const std::vector<std::string>& arguments) {
    std::vector<std::string> words{program};
    words.insert(words.end(), arguments.begin(), arguments.end());
    int output[2];
    if (::pipe2(output, O_CLOEXEC) != 0) return std::nullopt;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t child = -1;
    const int spawned = Spawn(child, program, std::move(words), &actions);
    posix_spawn_file_actions_destroy(&actions);
    ::close(output[1]);
    if (spawned != 0) {
        ::close(output[0]);
        return std::nullopt;
    }
    std::string printed;
    char buffer[512];
    for (;;) {
        const ssize_t got = ::read(output[0], buffer, sizeof buffer);
        if (got > 0) {
            printed.append(buffer, static_cast<std::size_t>(got));
        } else if (got == 0 || errno != EINTR) {
            break;
        }
    }
    ::close(output[0]);
    const int status = WaitFor(child);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;
    return printed;
}

}  // namespace talvo::platform
